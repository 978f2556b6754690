#include "analysefenster/satzansicht.h"

#include "analysedarstellung/analysetexte.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velmora {

namespace {

QTextCharFormat notenformat(int note) {
    const Notenfarbe& farbe = notenfarben[note - 1];
    QTextCharFormat format;
    format.setBackground(QColor(QLatin1String(farbe.hintergrund)));
    format.setForeground(QColor(QLatin1String(farbe.schrift)));
    return format;
}

} // namespace

Satzansicht::Satzansicht(QWidget* eltern) : QTextEdit(eltern) {
    setReadOnly(true);
    setTabChangesFocus(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::StrongFocus);
    // A file dropped here is for the window around it.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
}

void Satzansicht::leerZeigen(const QString& text) {
    satzstellen.clear();
    auswahl = -1;
    setExtraSelections({});
    setPlainText(text);
}

void Satzansicht::zeigen(const Analyse& analyse,
                         const std::vector<std::vector<std::size_t>>& absaetze) {
    clear();
    satzstellen.assign(analyse.saetze.size(), {});
    auswahl = -1;
    setExtraSelections({});
    QTextCursor schreiber(document());
    QTextBlockFormat absatzformat;
    absatzformat.setBottomMargin(fontMetrics().height() / 2.0);
    const QTextCharFormat schlicht;
    QTextCharFormat nummer;
    nummer.setFontPointSize(font().pointSizeF() * 0.8);
    nummer.setFontWeight(QFont::Bold);
    for (std::size_t a = 0; a < absaetze.size(); ++a) {
        if (a > 0) {
            schreiber.insertBlock(absatzformat, schlicht);
        } else {
            schreiber.setBlockFormat(absatzformat);
        }
        for (std::size_t k = 0; k < absaetze[a].size(); ++k) {
            const std::size_t i = absaetze[a][k];
            const Satzanalyse& satz = analyse.saetze[i];
            if (k > 0) {
                schreiber.insertText(QStringLiteral(" "), schlicht);
            }
            QTextCharFormat format;
            if (satz.note) {
                format = notenformat(*satz.note);
                QTextCharFormat zahl = format;
                zahl.merge(nummer);
                schreiber.insertText(QString::number(*satz.note) + QChar(0x2009), zahl);
            }
            satzstellen[i].anfang = schreiber.position();
            schreiber.insertText(QString::fromStdString(satz.text), format);
            satzstellen[i].ende = schreiber.position();
        }
    }
    moveCursor(QTextCursor::Start);
}

void Satzansicht::waehlen(int satz) {
    if (satz < 0 || satz >= int(satzstellen.size())) {
        return;
    }
    auswahl = satz;
    QTextEdit::ExtraSelection markierung;
    markierung.cursor = QTextCursor(document());
    markierung.cursor.setPosition(satzstellen[satz].anfang);
    markierung.cursor.setPosition(satzstellen[satz].ende, QTextCursor::KeepAnchor);
    markierung.format.setFontUnderline(true);
    markierung.format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    markierung.format.setFontWeight(QFont::Bold);
    setExtraSelections({markierung});
    QTextCursor zeiger(document());
    zeiger.setPosition(satzstellen[satz].anfang);
    setTextCursor(zeiger);
    ensureCursorVisible();
    emit satzGewaehlt(satz);
}

void Satzansicht::keyPressEvent(QKeyEvent* ereignis) {
    const int letzter = int(satzstellen.size()) - 1;
    switch (ereignis->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        waehlen(std::max(auswahl - 1, 0));
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        waehlen(std::min(auswahl + 1, letzter));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit weiter();
        return;
    default:
        QTextEdit::keyPressEvent(ereignis);
    }
}

void Satzansicht::mousePressEvent(QMouseEvent* ereignis) {
    const int position = cursorForPosition(ereignis->position().toPoint()).position();
    for (std::size_t i = 0; i < satzstellen.size(); ++i) {
        if (position >= satzstellen[i].anfang && position <= satzstellen[i].ende &&
            satzstellen[i].ende > satzstellen[i].anfang) {
            waehlen(int(i));
            break;
        }
    }
    setFocus(Qt::MouseFocusReason);
}

} // namespace velmora
