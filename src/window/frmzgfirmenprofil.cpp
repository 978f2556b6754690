// The company profile, from the file menu: a dialog of its own, kept in the data folder and,
// when it names one, in the team folder.
#include "dialogs/frmfirmenprofil.h"
#include "window/frmzg.h"

#include <QAction>

namespace velmora {

void frmzg::firmenprofilEintragen() {
    connect(
        menueeintrag(Menueabschnitt::Firma, "mnuFirmenprofil", QStringLiteral("Fir&menprofil…")),
        &QAction::triggered, this, [this] {
            // The dialog starts from what the team holds now.
            teamordnerAbgleichen();
            frmFirmenprofil dialog(plattform, this);
            if (dialog.exec() == QDialog::Accepted) {
                // The next document and the open preview show the new letterhead.
                grundlage.reset();
                emit inhaltGesetzt();
                teamordnerAbgleichen();
            }
        });
}

} // namespace velmora
