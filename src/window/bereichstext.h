#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <string>

class QLabel;
class QMenu;
class QPushButton;

namespace velmora {

class Absatzfeld;
class Einpassbeschriftung;
class Reiterfeld;

// The preview of one section page with the user's own words for it. „Te&xt anpassen“ or a
// double-click on the preview turns the preview into a box that holds its text: leaving the
// box keeps what it holds, Escape discards it. A section with own words shows the marker
// „eigener Text“ and the button „Textbaustein wiederherstellen“, which, like the box's
// context menu, brings the library's text back; „Als Textbaustein speichern“ beside it keeps
// them as a block, „Textbaustein verwenden“ offers the blocks kept. Below the own words, and
// below the box while it is open, stands how the analysis reads them.
class Bereichstext : public QObject {
    Q_OBJECT
public:
    Bereichstext(Reiterfeld& leiste, int seite, Einpassbeschriftung& vorschau, QObject* eltern);

    // The own words; empty while the section has the library's text.
    const QString& eigenerText() const { return eigener; }
    // The id of the user's text block the words came from; empty when none.
    const std::string& bausteinId() const { return baustein; }
    void eigenerTextSetzen(const QString& text, const std::string& bausteinId = {});
    // Opens the box with the text the preview shows.
    void bearbeiten();
    // An open box is closed as leaving it does: what it holds is written.
    void abschliessen();
    QList<QWidget*> fokusreihe() const;
    // What the analysis reads from the words; empty: nothing to say, the preview's full height.
    void lesartZeigen(const QString& text);

signals:
    // The box was left holding `text`.
    void geschrieben(const QString& text);
    // The library's text is asked for again.
    void wiederherstellen();
    // The own words are to be kept as a block.
    void alsBausteinSpeichern();
    // The blocks to choose from, into `menue`, which opens next.
    void wahlGefragt(QMenu* menue);
    // Words to read back: what the box holds as it opens and at every key, the own words
    // again when it closes.
    void lesartGefragt(const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void schliessen();
    void kontextmenue(const QPoint& ort);

    Einpassbeschriftung& vorschau;
    const QRect ganz; // where the preview stands without a reading below it
    Einpassbeschriftung* lesart;
    QPushButton* anpassen;
    Absatzfeld* feld;
    QLabel* marke;
    QPushButton* zurueck;
    QPushButton* alsBaustein;
    QPushButton* wahl;
    QString eigener;
    std::string baustein;
    bool offen = false;
};

} // namespace velmora
