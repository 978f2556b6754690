#pragma once

#include <QLabel>

namespace velmora {

// A label that answers a click (left button pressed and released over it).
class Klickbeschriftung : public QLabel {
    Q_OBJECT
public:
    explicit Klickbeschriftung(const QString& text, QWidget* eltern);

    // Blue, underlined and with a hand pointer, so it reads as a link.
    void alsVerweis();

signals:
    void geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
};

} // namespace velmora
