#pragma once

#include <QStatusBar>
#include <QStringList>

class QLabel;
class QToolButton;

namespace velmora {

// A band below a window's fixed layout for what the user should know without being stopped:
// it appears with the first notice (the window grows by its height, no control moves) and
// goes when the user closes it. Notices stand one below the other, the newest last; the same
// notice twice stands once.
class Hinweisband : public QStatusBar {
    Q_OBJECT
public:
    explicit Hinweisband(QWidget* eltern = nullptr);

    void hinweisen(const QString& text);
    // What the band shows now; empty when it is closed.
    QStringList hinweise() const { return liste; }

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void anzeigen();

    QLabel* text;
    QToolButton* schliessen;
    QStringList liste;
};

} // namespace velmora
