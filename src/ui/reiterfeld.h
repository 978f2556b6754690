#pragma once

#include <QList>
#include <QWidget>

#include <optional>

class QStackedWidget;
class QStyleOptionTab;
class QStylePainter;

namespace velmora {

// A tab strip with several rows of tabs over a page area, as the main window needs it: Qt's
// QTabWidget knows only a single row. Each row spans the whole width, its tabs sharing it in
// proportion to their captions; all captions are set in one font, the strip's own or, when a
// row cannot hold them in it, the largest smaller size that fits every row. The rows stay where
// they are when a tab is chosen. Access keys ("&" in the caption) choose a tab from anywhere in
// the window; when the strip has the focus, the arrow keys, Home and End move between the tabs.
class Reiterfeld : public QWidget {
    Q_OBJECT
public:
    Reiterfeld(int reiterProZeile, int zeilenhoehe, QWidget* eltern);

    // Adds a tab. Its page begins below the rows of tabs.
    void reiterHinzufuegen(const QString& beschriftung);
    // Puts a control on a page at a place given relative to the whole strip (add all tabs
    // first: the rows they fill decide where the pages begin).
    void platzieren(int index, QWidget* steuerelement, const QRect& imFeld);

    int anzahl() const { return static_cast<int>(reiter.size()); }
    int aktuellerIndex() const;
    void setzeAktuellenIndex(int index);
    QWidget* seite(int index) const;
    QString beschriftung(int index) const;
    // A new caption for a tab; its access key follows the caption.
    void beschriftungSetzen(int index, const QString& beschriftung);
    // The height of all rows of tabs together.
    int kopfhoehe() const;
    // Where tab `index` is drawn and can be clicked.
    QRect reiterRechteck(int index) const;
    // Where its caption is drawn, inside the tab, and the font of every caption.
    QRect beschriftungsfeld(int index) const;
    const QFont& beschriftungsschrift() const;

signals:
    void aktuellerIndexGeaendert(int index);

protected:
    bool event(QEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    struct Reiter {
        QString beschriftung;
        int kuerzel; // shortcut id of the access key, 0 when there is none
    };

    // Takes the access key of a caption for this strip; 0 when it has none.
    int zugriffstaste(const QString& beschriftung);
    int zeilen() const;
    void seitenAnordnen();
    // The captions' font and the tabs' places in their rows.
    struct Anordnung {
        QFont schrift;
        QList<QRect> rechtecke; // one per tab
    };
    // Chooses the font and lays the tabs out; measuring captions loads fonts, so it is done
    // when the tabs are next drawn or asked for, once for all changes made until then.
    Anordnung reiterAnordnen() const;
    const Anordnung& anordnung() const;
    void anordnungVeraltet();
    // The width each tab needs for its caption in `probe`, and the sum of a row.
    QList<int> bedarf(const QFont& probe) const;
    int zeilenbedarf(const QList<int>& breiten, int zeile) const;
    QStyleOptionTab reiterOption(int index) const;
    void reiterZeichnen(QStylePainter& maler, int index);

    const int proZeile;
    const int zeilenhoehe;
    QList<Reiter> reiter;
    mutable std::optional<Anordnung> angeordnet;
    QStackedWidget* seiten;
};

} // namespace velmora
