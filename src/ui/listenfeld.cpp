#include "ui/listenfeld.h"

#include <QLocale>
#include <QMimeData>

namespace velmora {

Listenfeld::Listenfeld(int hoechsteEintraege, int hoechsteEintragslaenge, QWidget* eltern)
    : QPlainTextEdit(eltern), hoechsteEintraege(hoechsteEintraege),
      hoechsteEintragslaenge(hoechsteEintragslaenge) {}

void Listenfeld::insertFromMimeData(const QMimeData* quelle) {
    if (!quelle || !quelle->hasText()) {
        return;
    }
    // What the box would hold, the selection replaced by the paste.
    const QTextCursor auswahl = textCursor();
    QString nachher = toPlainText();
    nachher.replace(auswahl.selectionStart(), auswahl.selectionEnd() - auswahl.selectionStart(),
                    quelle->text());
    nachher.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    nachher.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    qsizetype eintraege = 0;
    qsizetype laengster = 0;
    for (const QStringView zeile : QStringView(nachher).split(QLatin1Char('\n'))) {
        ++eintraege;
        laengster = std::max(laengster, zeile.size());
    }
    const QLocale deutsch(QLocale::German);
    if (eintraege > hoechsteEintraege) {
        emit verweigert(QStringLiteral("Die Liste fasst höchstens %1 Einträge, einen je Zeile; "
                                       "das Eingefügte wurde nicht übernommen.")
                            .arg(deutsch.toString(hoechsteEintraege)));
    } else if (laengster > hoechsteEintragslaenge) {
        emit verweigert(QStringLiteral("Ein Eintrag der Liste fasst höchstens %1 Zeichen; das "
                                       "Eingefügte wurde nicht übernommen.")
                            .arg(deutsch.toString(hoechsteEintragslaenge)));
    } else {
        QPlainTextEdit::insertFromMimeData(quelle);
    }
}

} // namespace velmora
