#pragma once

#include "bausteine/platzhalter.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

// „Als Textbaustein speichern“: a section's own words as a block. The employee's name and the
// gendered words become slots; the list shows each, checked while it is replaced, so that a
// "sie" that means several people can be switched back. The block for Herr and for Frau
// stands side by side and follows every switch.
class Bausteindialog : public QDialog {
    Q_OBJECT
public:
    Bausteindialog(const std::string& text, const Zeugnisdaten& daten, QWidget* eltern = nullptr);

    std::string name() const;
    // The block's text with the slots the user kept.
    std::string vorlage() const;

private:
    void zeigen();

    std::string text;
    Zeugnisdaten daten;
    std::vector<Ersetzung> ersetzungen;
    QLineEdit* txtName;
    QListWidget* lstErsetzungen;
    QPlainTextEdit* txtHerr;
    QPlainTextEdit* txtFrau;
    QPushButton* cmdSpeichern;
};

} // namespace velmora
