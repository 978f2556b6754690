#pragma once

#include "render/seitensatz.h"

#include <QScrollArea>

#include <functional>

class QTimer;

namespace velmora {

class Seitenblatt;

// The whole reference on screen as it will print: its pages one below the other at their real
// size. A change lays the document out anew; painting only draws what was laid out then, so
// scrolling and repainting cost the main window nothing.
class Zeugnisvorschau : public QScrollArea {
    Q_OBJECT
public:
    // A window of its own beside the main window, and closed with it; `quelle` gives the
    // document as the main window holds it now.
    Zeugnisvorschau(QWidget* hauptfenster, std::function<Dokumentmodell()> quelle);

    void dokumentZeigen(const Dokumentmodell& modell);
    // The document changed: laid out anew from `quelle` once the changes have come to rest, so
    // that tabbing through the boxes does not wait for a layout at every box.
    void nachziehen();
    const Seitensatz& satz() const { return gesetzt; }
    // As wide as a page, as high as the pages or most of the screen.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::function<Dokumentmodell()> quelle;
    QTimer* ruhe;
    Seitensatz gesetzt;
    Seitenblatt* blatt;
};

} // namespace velmora
