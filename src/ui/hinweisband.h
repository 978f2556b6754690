#pragma once

#include <QStatusBar>
#include <QStringList>

#include <functional>

class QLabel;
class QPushButton;
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
    // A notice with a button beside the close button that acts on it; one such at a time, the
    // button going with its notice.
    void hinweisen(const QString& text, const QString& knopf, std::function<void()> handlung);
    // Takes back a notice that no longer holds; the band goes with its last notice.
    void zuruecknehmen(const QString& text);
    // What the band shows now; empty when it is closed.
    QStringList hinweise() const { return liste; }

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void anzeigen();

    QLabel* text;
    QPushButton* aktion;
    QToolButton* schliessen;
    QStringList liste;
    // The notice the button belongs to, and what it does.
    QString aktionshinweis;
    std::function<void()> handlung;
};

} // namespace velmora
