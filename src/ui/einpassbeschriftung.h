#pragma once

#include <QLabel>

namespace velmora {

// A label of fixed size whose text wraps at its width and always shows whole: a text too long
// for the label's own font is set in the largest smaller size that fits, in steps of a quarter
// point. Family, weight and colour stay as they are.
class Einpassbeschriftung : public QLabel {
    Q_OBJECT
public:
    Einpassbeschriftung(const QFont& schrift, QWidget* eltern = nullptr);

    // Sets the text and the size it fits in.
    void textSetzen(const QString& text);
    // The font the label was made with, for a text that fits.
    const QFont& nennschrift() const { return nenn; }

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void einpassen();
    bool passt(const QFont& schrift) const;

    const QFont nenn;
};

} // namespace velmora
