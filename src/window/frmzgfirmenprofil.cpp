// The company profile, from the file menu: a dialog of its own, kept in the data folder and,
// when it names one, in the team folder.
#include "dialogs/frmfirmenprofil.h"
#include "window/frmzg.h"

#include <QAction>
#include <QTimer>

namespace velmora {

void frmzg::firmenprofilEintragen() {
    connect(
        menueeintrag(Menueabschnitt::Firma, "mnuFirmenprofil", QStringLiteral("Fir&menprofil…")),
        &QAction::triggered, this, [this] {
            // The dialog starts from what the team holds now.
            teamordnerAbgleichen();
            // No retry while the dialog is open: a sync then would take in another clerk's
            // change, and the dialog's own profile, read before it, would write it over.
            if (teamwiederholung) {
                teamwiederholung->stop();
            }
            frmFirmenprofil dialog(plattform, this);
            if (dialog.exec() == QDialog::Accepted) {
                // The next document and the open preview show the new letterhead.
                grundlage.reset();
                emit inhaltGesetzt();
            }
            // Takes the new profile to the team, and starts the retry again where needed.
            teamordnerAbgleichen();
        });
}

} // namespace velmora
