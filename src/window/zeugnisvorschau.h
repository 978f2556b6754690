#pragma once

#include "render/seitensatz.h"

#include <QScrollArea>

namespace velmora {

class Seitenblatt;

// The whole reference on screen as it will print: its pages one below the other at their real
// size. A change lays the document out anew; painting only draws what was laid out then, so
// scrolling and repainting cost the main window nothing.
class Zeugnisvorschau : public QScrollArea {
    Q_OBJECT
public:
    // A window of its own beside the main window, and closed with it.
    explicit Zeugnisvorschau(QWidget* hauptfenster);

    void dokumentZeigen(const Dokumentmodell& modell);
    const Seitensatz& satz() const { return gesetzt; }
    // As wide as a page, as high as the pages or most of the screen.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Seitensatz gesetzt;
    Seitenblatt* blatt;
};

} // namespace velmora
