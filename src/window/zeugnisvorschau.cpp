#include "window/zeugnisvorschau.h"

#include "render/seitendruck.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace velmora {

namespace {

// The page at the size it has on paper: a logical pixel is 15 twips, as in the main window.
constexpr double massstab = 1.0 / 15;
// Desk around and between the pages, in pixels.
constexpr int rand = 16;
// How long the changes rest before the pages are laid out anew: longer than the pause
// between two keys held down, short enough to look immediate.
constexpr int ruhezeitMs = 60;

QSize seitengroesse(const Seitensatz& satz) {
    return (satz.papier * massstab).toSize();
}

} // namespace

// The desk with the pages on it.
class Seitenblatt : public QWidget {
public:
    explicit Seitenblatt(const Seitensatz& satz) : satz(satz) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void anpassen() {
        const QSize seite = seitengroesse(satz);
        const int anzahl = int(satz.seiten.size());
        setFixedSize(seite.width() + 2 * rand, anzahl * (seite.height() + rand) + rand);
        update();
    }

protected:
    void paintEvent(QPaintEvent* ereignis) override {
        QPainter maler(this);
        maler.fillRect(ereignis->rect(), palette().dark());
        maler.setRenderHint(QPainter::Antialiasing);
        const QSize groesse = seitengroesse(satz);
        for (std::size_t i = 0; i < satz.seiten.size(); ++i) {
            const QRect seite(QPoint(rand, rand + int(i) * (groesse.height() + rand)), groesse);
            if (!seite.intersects(ereignis->rect())) {
                continue;
            }
            maler.fillRect(seite.translated(2, 2), palette().shadow());
            maler.fillRect(seite, Qt::white);
            maler.save();
            maler.setClipRect(seite);
            maler.translate(seite.topLeft());
            maler.scale(massstab, massstab);
            seiteZeichnen(maler, satz.seiten[i]);
            maler.restore();
        }
    }

private:
    const Seitensatz& satz;
};

Zeugnisvorschau::Zeugnisvorschau(QWidget* hauptfenster, std::function<Dokumentmodell()> quelle)
    : QScrollArea(hauptfenster), quelle(std::move(quelle)), ruhe(new QTimer(this)),
      blatt(new Seitenblatt(gesetzt)) {
    ruhe->setSingleShot(true);
    ruhe->setInterval(ruhezeitMs);
    connect(ruhe, &QTimer::timeout, this, [this] {
        if (isVisible()) {
            dokumentZeigen(this->quelle());
        }
    });
    setWindowFlags(Qt::Window);
    setObjectName(QStringLiteral("Zeugnisvorschau"));
    setWindowTitle(QStringLiteral("Zeugnisvorschau"));
    setAlignment(Qt::AlignHCenter);
    setBackgroundRole(QPalette::Dark);
    setWidget(blatt);
    hauptfenster->installEventFilter(this);
}

void Zeugnisvorschau::nachziehen() {
    // Hidden, it follows nothing; showing it again lays it out.
    if (isVisible()) {
        ruhe->start();
    }
}

void Zeugnisvorschau::dokumentZeigen(const Dokumentmodell& modell) {
    ruhe->stop();
    gesetzt = seitensatz(modell);
    blatt->anpassen();
    // The first document sets the window's size; Qt alone would keep it to two thirds of the
    // screen.
    if (!testAttribute(Qt::WA_Resized)) {
        resize(sizeHint());
    }
}

QSize Zeugnisvorschau::sizeHint() const {
    const QSize seiten = blatt->size() + QSize(2 * frameWidth(), 2 * frameWidth());
    return {seiten.width() + verticalScrollBar()->sizeHint().width(),
            std::min(seiten.height(), screen()->availableGeometry().height() * 9 / 10)};
}

bool Zeugnisvorschau::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The main window closed: the preview has nothing left to show.
    if (ereignis->type() == QEvent::Hide && objekt == parent() &&
        !static_cast<QWidget*>(objekt)->isVisible()) {
        close();
    }
    return false;
}

} // namespace velmora
