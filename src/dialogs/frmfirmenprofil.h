#pragma once

#include "render/briefkopf.h"
#include "storage/firmenprofil.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class Markierfeld;
class Plattform;
class Vollmachtfeld;

// The company profile: the employer, the letterhead's lines and logo, the place and the
// signatory every new reference starts from, and the folder a team shares them through.
// Modal. OK keeps it in the data folder, the logo copied there so that a moved original costs
// nothing; a save that fails says why and leaves the dialog open with its entries.
class frmFirmenprofil : public QDialog {
    Q_OBJECT
public:
    frmFirmenprofil(Plattform& plattform, QWidget* eltern);

    // The profile as the dialog's controls hold it.
    Firmenprofil profil() const;

    void accept() override;

private:
    void logoWaehlen();
    void logoZeigen();
    // Writes the logo (when new), then the profile; removes a logo the profile no longer names.
    // Nothing when all was written, else why not.
    std::optional<QString> speichern();

    Plattform& plattform;
    // The logo file of the profile in the data folder, shown when the dialog opened.
    std::string bisherigesLogo;
    std::optional<Logo> logo;
    bool logoNeu = false; // chosen here, not yet in the data folder

    Markierfeld* txtFirma;
    QPlainTextEdit* txtBriefkopf;
    QLabel* lblLogo;
    QPushButton* cmdEntfernen;
    Markierfeld* txtOrt;
    Markierfeld* txtUnterzeichner;
    Vollmachtfeld* cmbVollmacht;
    Markierfeld* txtFunktion;
    Markierfeld* txtTeamordner;
};

} // namespace velmora
