#pragma once

#include "bausteine/textbaustein.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace velmora {

class Bausteinablage;
class Plattform;

// „Textbausteine…“: the user's blocks as a list (section, grade, kind, name) to rename in
// place, to delete, to import from a file another installation exported and to export, all or
// the ones selected. Every change is saved at once; the references keep their words.
class Bausteinverwaltung : public QDialog {
    Q_OBJECT
public:
    Bausteinverwaltung(Bausteinablage& ablage, Plattform& plattform, QWidget* eltern = nullptr);

    void loeschen();
    void importieren();
    void exportieren();

private:
    void fuellen();
    void umbenannt(int zeile, const QString& name);
    // The blocks of the rows selected, in the list's order.
    std::vector<int> gewaehlt() const;

    Bausteinablage& ablage;
    Plattform& plattform;
    QTreeWidget* liste;
};

} // namespace velmora
