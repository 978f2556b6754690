#include "ui/hinweisband.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace velmora {

namespace {

// More would push the window off a small screen; the oldest go first.
constexpr qsizetype hoechstensHinweise = 4;

} // namespace

Hinweisband::Hinweisband(QWidget* eltern)
    : QStatusBar(eltern), text(new QLabel), aktion(new QPushButton), schliessen(new QToolButton) {
    setObjectName(QStringLiteral("hinweisband"));
    setSizeGripEnabled(false);
    // Set off from the window as a note: the colours of a tooltip.
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, farben.color(QPalette::ToolTipBase));
    farben.setColor(QPalette::WindowText, farben.color(QPalette::ToolTipText));
    setPalette(farben);
    setContentsMargins(6, 3, 0, 3);
    text->setObjectName(QStringLiteral("lblHinweis"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    // A path in a notice can be copied from here.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addWidget(text, 1);
    aktion->setObjectName(QStringLiteral("cmdHinweisAktion"));
    aktion->setFocusPolicy(Qt::NoFocus);
    aktion->hide();
    addPermanentWidget(aktion);
    connect(aktion, &QPushButton::clicked, this, [this] {
        // The handling may replace the notice, and with it this button's handling.
        if (const std::function<void()> jetzt = handlung) {
            jetzt();
        }
    });
    schliessen->setObjectName(QStringLiteral("cmdHinweisSchliessen"));
    schliessen->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    schliessen->setToolTip(QStringLiteral("Hinweis schließen"));
    schliessen->setAutoRaise(true);
    // Outside the window's focus order, which stays as it is.
    schliessen->setFocusPolicy(Qt::NoFocus);
    addPermanentWidget(schliessen);
    connect(schliessen, &QToolButton::clicked, this, [this] {
        liste.clear();
        anzeigen();
        hide();
    });
    hide();
}

void Hinweisband::hinweisen(const QString& hinweis) {
    liste.removeAll(hinweis);
    liste.append(hinweis);
    while (liste.size() > hoechstensHinweise) {
        liste.removeFirst();
    }
    anzeigen();
    show();
}

void Hinweisband::hinweisen(const QString& hinweis, const QString& knopf,
                            std::function<void()> neueHandlung) {
    aktionshinweis = hinweis;
    handlung = std::move(neueHandlung);
    aktion->setText(knopf);
    hinweisen(hinweis);
}

void Hinweisband::zuruecknehmen(const QString& hinweis) {
    if (liste.removeAll(hinweis) == 0) {
        return;
    }
    anzeigen();
    if (liste.isEmpty()) {
        hide();
    }
}

void Hinweisband::resizeEvent(QResizeEvent* ereignis) {
    QStatusBar::resizeEvent(ereignis);
    anzeigen();
}

// A wrapped label does not tell the band its height for the width it gets; the band asks for
// the width beside the close button, less the margins and spacing around it.
void Hinweisband::anzeigen() {
    text->setText(liste.join(QLatin1Char('\n')));
    aktion->setVisible(!aktionshinweis.isEmpty() && liste.contains(aktionshinweis));
    const int breite = width() - schliessen->sizeHint().width() -
                       (aktion->isHidden() ? 0 : aktion->sizeHint().width()) -
                       4 * style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    if (breite > 0) {
        text->setFixedHeight(text->heightForWidth(breite));
    }
}

} // namespace velmora
