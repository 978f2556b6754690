#include "app/ausfuhr.h"

#include "app/befehlszeile.h"
#include "app/exportformate.h"
#include "platform/plattform.h"
#include "render/dokumentablage.h"
#include "window/zeugnisladen.h"

namespace velmora {

namespace {

const QString standardausgabe = QStringLiteral("-");

Ausfuhrergebnis fehler(Plattform& plattform, const QString& text) {
    plattform.protokoll(text);
    return {1, {}};
}

} // namespace

Ausfuhrergebnis exportieren(const Aufruf& aufruf, Plattform& plattform) {
    const Zeugnislesung lesung =
        aufruf.datei ? zeugnisLaden(plattform, *aufruf.datei) : zuletztBearbeitet(plattform);
    if (!lesung.datei) {
        return fehler(plattform, lesung.fehler);
    }
    if (!lesung.hinweis.isEmpty()) {
        plattform.protokoll(lesung.hinweis);
    }
    const QByteArray inhalt = aufruf.format->erzeugen(lesung.datei->daten, plattform);

    if (aufruf.ausgabe == standardausgabe) {
        return {0, inhalt};
    }
    if (aufruf.ausgabe) {
        if (const std::optional<QString> grund =
                unterPfadAblegen(plattform, *aufruf.ausgabe, inhalt)) {
            return fehler(plattform, *grund);
        }
        return {0, (*aufruf.ausgabe + QLatin1Char('\n')).toUtf8()};
    }
    const Ablage ablage = imDokumentenordnerAblegen(plattform, inhalt, aufruf.format->name);
    if (!ablage.pfad) {
        return fehler(plattform, QString::fromStdString(ablage.fehler));
    }
    return {0, QByteArray::fromStdString(*ablage.pfad + '\n')};
}

} // namespace velmora
