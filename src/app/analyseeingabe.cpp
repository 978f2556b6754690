#include "app/analyseeingabe.h"

#include "einlesen/dokumentlesen.h"
#include "output/klartext.h"
#include "output/zeugnisaufbau.h"
#include "platform/plattform.h"
#include "storage/zeugnisdatei.h"

#include <cstdio>

namespace velmora {

namespace {

QByteArray standardeingabe() {
    QByteArray inhalt;
    char puffer[65536];
    while (inhalt.size() <= groessteAnalyseeingabe) {
        const std::size_t gelesen = std::fread(puffer, 1, sizeof puffer, stdin);
        if (gelesen == 0) {
            break;
        }
        inhalt.append(puffer, static_cast<qsizetype>(gelesen));
    }
    return inhalt;
}

bool leer(const QByteArray& inhalt) {
    return QString::fromUtf8(inhalt).trimmed().remove(QChar(0xFEFF)).isEmpty();
}

} // namespace

Analyseeingabe analyseeingabe(Plattform& plattform, const std::optional<QString>& datei) {
    const bool eingabe = !datei || *datei == QStringLiteral("-");
    const QString quelle = eingabe ? QStringLiteral("Die Standardeingabe")
                                   : QStringLiteral("Die Datei „%1“").arg(*datei);
    QByteArray inhalt;
    if (eingabe) {
        inhalt = standardeingabe();
    } else {
        QString grund;
        const std::optional<QByteArray> gelesen =
            plattform.dateiLesen(*datei, Dateiart::Dokument, groessteAnalyseeingabe + 1, &grund);
        if (!gelesen) {
            return {std::nullopt,
                    QStringLiteral("%1 kann nicht gelesen werden: %2").arg(quelle, grund)};
        }
        inhalt = *gelesen;
    }
    if (inhalt.size() > groessteAnalyseeingabe) {
        return {
            std::nullopt,
            QStringLiteral("%1 ist größer als 10 MB; so lange Zeugnisse analysiert Velmora nicht.")
                .arg(quelle)};
    }
    const Analyseeingabe ohneText{
        std::nullopt,
        QStringLiteral("%1 enthält keinen Text; es gibt nichts zu analysieren.").arg(quelle)};
    if (leer(inhalt)) {
        return ohneText;
    }
    // The format by what the bytes hold, whatever the file is called.
    const std::string_view bytes(inhalt.constData(), static_cast<std::size_t>(inhalt.size()));
    switch (const Dokumentformat format = dokumentformat(bytes)) {
    case Dokumentformat::Text:
        if (inhalt.contains('\0')) { // UTF-16, or a binary format no reader knows
            return {std::nullopt, QStringLiteral("%1 enthält keinen Text, sondern ein Format, "
                                                 "das Velmora nicht analysieren kann.")
                                      .arg(quelle)};
        }
        return {inhalt.toStdString(), {}};
    case Dokumentformat::Zeugnisdatei: {
        const Zeugnislesung lesung = zeugnisdateiLesen(inhalt, eingabe ? quelle : *datei);
        if (!lesung.datei) {
            return {std::nullopt, lesung.fehler};
        }
        const Zeugnisdaten& daten = lesung.datei->daten;
        return {klartext(daten, komponierteVorschautexte(daten)), {}};
    }
    default:
        Eingelesen gelesen = dokumentLesen(format, bytes);
        if (!gelesen.gelesen()) {
            return {std::nullopt, QString::fromStdString(gelesen.fehler)};
        }
        if (leer(QByteArray::fromStdString(gelesen.text))) {
            return ohneText;
        }
        return {std::move(gelesen.text), {}};
    }
}

} // namespace velmora
