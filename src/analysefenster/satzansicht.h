#pragma once

#include "analyse/analyse.h"

#include <QTextEdit>

#include <vector>

namespace velmora {

// The reference's text paragraph by paragraph, each graded sentence on its grade's colour
// with the grade in small type before it. One sentence is selected: a click or the arrow keys
// move the selection, Enter asks to go on to what is said about it.
class Satzansicht : public QTextEdit {
    Q_OBJECT
public:
    explicit Satzansicht(QWidget* eltern = nullptr);

    // `absaetze`: the sentences' indices paragraph by paragraph.
    void zeigen(const Analyse& analyse, const std::vector<std::vector<std::size_t>>& absaetze);
    // A text in place of a reference, such as what to do to get one.
    void leerZeigen(const QString& text);

    // -1 when none.
    int gewaehlt() const { return auswahl; }
    void waehlen(int satz);

    // Where a sentence stands in the document, its grade's number not included.
    struct Stelle {
        int anfang = 0;
        int ende = 0;
    };
    const std::vector<Stelle>& stellen() const { return satzstellen; }

signals:
    void satzGewaehlt(int satz);
    void weiter();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    std::vector<Stelle> satzstellen;
    int auswahl = -1;
};

} // namespace velmora
