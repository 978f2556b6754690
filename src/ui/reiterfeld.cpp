#include "ui/reiterfeld.h"

#include "ui/schriftgroesse.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QShortcutEvent>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <numeric>

namespace velmora {

namespace {

// Space between a tab's edge and its caption, in pixels.
constexpr int textrand = 3;

} // namespace

Reiterfeld::Reiterfeld(int reiterProZeile, int zeilenhoehe, QWidget* eltern)
    : QWidget(eltern), proZeile(reiterProZeile), zeilenhoehe(zeilenhoehe),
      seiten(new QStackedWidget(this)) {
    setFocusPolicy(Qt::StrongFocus);
    connect(seiten, &QStackedWidget::currentChanged, this, [this](int index) {
        update();
        emit aktuellerIndexGeaendert(index);
    });
}

int Reiterfeld::zugriffstaste(const QString& beschriftung) {
    const QKeySequence taste = QKeySequence::mnemonic(beschriftung);
    return taste.isEmpty() ? 0 : grabShortcut(taste);
}

void Reiterfeld::reiterHinzufuegen(const QString& beschriftung) {
    reiter.append({beschriftung, zugriffstaste(beschriftung)});
    seiten->addWidget(new QWidget);
    anordnungVeraltet();
    seitenAnordnen();
}

void Reiterfeld::platzieren(int index, QWidget* steuerelement, const QRect& imFeld) {
    steuerelement->setParent(seite(index));
    steuerelement->setGeometry(imFeld.translated(0, -kopfhoehe()));
}

int Reiterfeld::aktuellerIndex() const {
    return seiten->currentIndex();
}

void Reiterfeld::setzeAktuellenIndex(int index) {
    if (index >= 0 && index < anzahl()) {
        seiten->setCurrentIndex(index);
    }
}

QWidget* Reiterfeld::seite(int index) const {
    return seiten->widget(index);
}

QString Reiterfeld::beschriftung(int index) const {
    return reiter.value(index).beschriftung;
}

void Reiterfeld::beschriftungSetzen(int index, const QString& beschriftung) {
    if (index < 0 || index >= anzahl() || reiter[index].beschriftung == beschriftung) {
        return;
    }
    if (reiter[index].kuerzel != 0) {
        releaseShortcut(reiter[index].kuerzel);
    }
    reiter[index] = {beschriftung, zugriffstaste(beschriftung)};
    anordnungVeraltet();
}

int Reiterfeld::zeilen() const {
    return (anzahl() + proZeile - 1) / proZeile;
}

int Reiterfeld::kopfhoehe() const {
    return zeilen() * zeilenhoehe;
}

QRect Reiterfeld::reiterRechteck(int index) const {
    return anordnung().rechtecke.value(index);
}

const QFont& Reiterfeld::beschriftungsschrift() const {
    return anordnung().schrift;
}

void Reiterfeld::anordnungVeraltet() {
    angeordnet.reset();
    update();
}

const Reiterfeld::Anordnung& Reiterfeld::anordnung() const {
    if (!angeordnet) {
        angeordnet = reiterAnordnen();
    }
    return *angeordnet;
}

QRect Reiterfeld::beschriftungsfeld(int index) const {
    return reiterRechteck(index).adjusted(textrand, 0, -textrand, 0);
}

QList<int> Reiterfeld::bedarf(const QFont& probe) const {
    const QFontMetrics masse(probe, this);
    QList<int> breiten;
    for (const Reiter& r : reiter) {
        breiten.append(masse.horizontalAdvance(QString(r.beschriftung).remove('&')) + 2 * textrand);
    }
    return breiten;
}

int Reiterfeld::zeilenbedarf(const QList<int>& breiten, int zeile) const {
    const auto anfang = breiten.begin() + zeile * proZeile;
    return std::accumulate(anfang, std::min(anfang + proZeile, breiten.end()), 0);
}

Reiterfeld::Anordnung Reiterfeld::reiterAnordnen() const {
    const auto fasst = [this](const QFont& probe) {
        const QList<int> breiten = bedarf(probe);
        for (int zeile = 0; zeile < zeilen(); ++zeile) {
            if (zeilenbedarf(breiten, zeile) > width()) {
                return false;
            }
        }
        return true;
    };
    Anordnung neu{passendeSchrift(font(), fasst), {}};

    // Each tab's share of the row grows with its caption; since the row holds all captions,
    // no share is smaller than its caption.
    const QList<int> breiten = bedarf(neu.schrift);
    for (int zeile = 0; zeile < zeilen(); ++zeile) {
        const int summe = std::max(1, zeilenbedarf(breiten, zeile));
        int bisher = 0;
        for (int i = zeile * proZeile; i < std::min((zeile + 1) * proZeile, anzahl()); ++i) {
            const int links = width() * bisher / summe;
            bisher += breiten[i];
            const int rechts = width() * bisher / summe;
            neu.rechtecke.append({links, zeile * zeilenhoehe, rechts - links, zeilenhoehe});
        }
    }
    return neu;
}

QStyleOptionTab Reiterfeld::reiterOption(int index) const {
    QStyleOptionTab option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.rect = reiterRechteck(index);
    option.text = reiter[index].beschriftung;
    option.shape = QTabBar::RoundedNorth;
    option.row = index / proZeile;

    const int spalte = index % proZeile;
    const int imZeilenende = std::min(proZeile, anzahl() - option.row * proZeile) - 1;
    if (imZeilenende == 0) {
        option.position = QStyleOptionTab::OnlyOneTab;
    } else if (spalte == 0) {
        option.position = QStyleOptionTab::Beginning;
    } else if (spalte == imZeilenende) {
        option.position = QStyleOptionTab::End;
    } else {
        option.position = QStyleOptionTab::Middle;
    }

    const int gewaehlt = aktuellerIndex();
    if (index == gewaehlt) {
        option.state |= QStyle::State_Selected;
        if (hasFocus()) {
            option.state |= QStyle::State_HasFocus;
        }
    } else if (gewaehlt / proZeile == option.row) {
        option.selectedPosition = gewaehlt == index - 1   ? QStyleOptionTab::PreviousIsSelected
                                  : gewaehlt == index + 1 ? QStyleOptionTab::NextIsSelected
                                                          : QStyleOptionTab::NotAdjacent;
    }
    return option;
}

bool Reiterfeld::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::Shortcut) {
        const int id = static_cast<QShortcutEvent*>(ereignis)->shortcutId();
        for (int i = 0; i < anzahl(); ++i) {
            if (reiter[i].kuerzel == id) {
                // Like any control's access key, the tab's takes the focus; the control left
                // runs its lost-focus handling.
                setFocus(Qt::ShortcutFocusReason);
                setzeAktuellenIndex(i);
                return true;
            }
        }
    }
    return QWidget::event(ereignis);
}

void Reiterfeld::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);

    QStyleOptionTabWidgetFrame rahmen;
    rahmen.initFrom(this);
    rahmen.rect = QRect(0, kopfhoehe(), width(), height() - kopfhoehe());
    rahmen.shape = QTabBar::RoundedNorth;
    rahmen.tabBarSize = QSize(width(), zeilenhoehe);
    rahmen.tabBarRect = QRect(0, kopfhoehe() - zeilenhoehe, width(), zeilenhoehe);
    maler.drawPrimitive(QStyle::PE_FrameTabWidget, rahmen);

    // The chosen tab last, so that it overlaps its neighbours in the row as a chosen tab does.
    for (int i = 0; i < anzahl(); ++i) {
        if (i != aktuellerIndex()) {
            reiterZeichnen(maler, i);
        }
    }
    if (aktuellerIndex() >= 0) {
        reiterZeichnen(maler, aktuellerIndex());
    }
}

void Reiterfeld::reiterZeichnen(QStylePainter& maler, int index) {
    const QStyleOptionTab option = reiterOption(index);
    maler.save();
    // The style lets a chosen tab reach down into the page; above the last row that would
    // paint over the tab below.
    const bool letzteZeile = option.row == zeilen() - 1;
    maler.setClipRect(option.rect.adjusted(-2, -2, 2, letzteZeile ? 2 : 0));
    maler.drawControl(QStyle::CE_TabBarTabShape, option);
    maler.restore();

    // The caption is drawn here rather than by the style, whose padding is made for tabs as
    // wide as their text.
    maler.save();
    maler.setFont(beschriftungsschrift());
    maler.drawItemText(beschriftungsfeld(index), Qt::AlignCenter | Qt::TextShowMnemonic,
                       option.palette, true, option.text, QPalette::WindowText);
    maler.restore();

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = option.rect.adjusted(3, 4, -3, -2);
        maler.drawPrimitive(QStyle::PE_FrameFocusRect, fokus);
    }
}

void Reiterfeld::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) {
        ereignis->ignore();
        return;
    }
    for (int i = 0; i < anzahl(); ++i) {
        if (reiterRechteck(i).contains(ereignis->position().toPoint())) {
            setzeAktuellenIndex(i);
            return;
        }
    }
}

void Reiterfeld::keyPressEvent(QKeyEvent* ereignis) {
    int ziel = aktuellerIndex();
    switch (ereignis->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        --ziel;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        ++ziel;
        break;
    case Qt::Key_Home:
        ziel = 0;
        break;
    case Qt::Key_End:
        ziel = anzahl() - 1;
        break;
    default:
        QWidget::keyPressEvent(ereignis);
        return;
    }
    setzeAktuellenIndex(ziel);
}

void Reiterfeld::resizeEvent(QResizeEvent*) {
    anordnungVeraltet();
    seitenAnordnen();
}

void Reiterfeld::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::FontChange) {
        anordnungVeraltet();
    }
    QWidget::changeEvent(ereignis);
}

void Reiterfeld::seitenAnordnen() {
    seiten->setGeometry(0, kopfhoehe(), width(), height() - kopfhoehe());
}

} // namespace velmora
