#pragma once

#include "analyse/analyse.h"
#include "analysefenster/analyseleser.h"

#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace velmora {

class Analysekopf;
class Plattform;
class Satzansicht;

// "Zeugnisanalyse": a reference read backwards. Above, the overall grade and the sections;
// in the middle, the text sentence by sentence in its grades' colours beside a panel on the
// sentence selected; below, the notices, each leading to its sentence. A file dropped on the
// window is analysed; Escape closes it.
class Analysefenster : public QWidget {
    Q_OBJECT
public:
    Analysefenster(Plattform& plattform, Analyseleser leser, QWidget* eltern = nullptr);

    // Reads and analyses a file; one that cannot be read is said so and the window stays as
    // it was. True when the window shows the file's analysis.
    bool dateiAnalysieren(const QString& pfad);
    // Analyses a text; `quelle` names it in the title and the report.
    void textAnalysieren(const std::string& text, const QString& quelle);
    void zwischenablageAnalysieren();
    // Asks for a file and analyses it.
    void dateiWaehlen();

    const Analyse& analyse() const { return gelesen; }
    // Asks for a file name and writes the report there as PDF.
    void berichtSpeichern();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    void satzZeigen(int satz);

    Plattform& plattform;
    Analyseleser leser;
    Analyse gelesen;
    QString quelle;
    Analysekopf* kopf = nullptr;
    Satzansicht* saetze = nullptr;
    QTextBrowser* seitenfeld = nullptr;
    QListWidget* hinweisliste = nullptr;
    QPushButton* bericht = nullptr;
};

} // namespace velmora
