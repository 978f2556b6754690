#include "app/programmende.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace velmora {

namespace {

// Windows that the user opens and closes; menus, tooltips and the like come and go by
// themselves and keep nothing alive.
bool istFenster(const QWidget* widget) {
    if (!widget->isWindow()) {
        return false;
    }
    const Qt::WindowType art = widget->windowType();
    return art == Qt::Window || art == Qt::Dialog || art == Qt::Tool;
}

bool fensterOffen() {
    const QWidgetList fenster = QApplication::topLevelWidgets();
    return std::any_of(fenster.begin(), fenster.end(),
                       [](const QWidget* w) { return istFenster(w) && w->isVisible(); });
}

// Watches every window being hidden (a closed window is hidden first) and quits once none of
// them is visible any more.
class Fensterwache : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Hide && objekt->isWidgetType() &&
            istFenster(static_cast<QWidget*>(objekt)) && !fensterOffen()) {
            QCoreApplication::quit();
        }
        return false;
    }
};

} // namespace

void endeMitDemLetztenFenster(QApplication& anwendung) {
    anwendung.setQuitOnLastWindowClosed(false);
    anwendung.installEventFilter(new Fensterwache(&anwendung));
}

} // namespace velmora
