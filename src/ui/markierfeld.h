#pragma once

#include <QLineEdit>

namespace velmora {

// A text box that selects its whole text whenever it gets the focus, so it can be copied or
// replaced at once, whether reached by the keyboard or by a click. It holds one line: a line
// break pasted or dropped into it becomes a blank at once. It holds at most `feldlaenge`
// characters, as Qt's own boxes do; what the user pastes beyond that is cut off and said so.
class Markierfeld : public QLineEdit {
    Q_OBJECT
public:
    Markierfeld(const QString& text, QWidget* eltern);

signals:
    // What the user put in was longer than the box holds; the rest was cut off.
    void gekuerzt();

protected:
    void focusInEvent(QFocusEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    // The click that gave the focus would put the cursor in place of the selection.
    bool perKlickErhalten = false;
};

} // namespace velmora
