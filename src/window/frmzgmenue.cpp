// The main window's menu bar: the file menu with its sections, then the three entries that act
// at once.
#include "dialogs/dialogaufruf.h"
#include "window/frmzg.h"

#include <QMenu>
#include <QMenuBar>

namespace velmora {

void frmzg::menueAufbauen() {
    mnuDatei = menuBar()->addMenu(QStringLiteral("Da&tei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    for (QAction*& ende : abschnittsenden) {
        ende = mnuDatei->addSeparator();
    }
    dateimenueAufbauen();
    ausgabemenueAufbauen();
    firmenprofilEintragen();
    bausteineEintragen();
    teamordnerEintragen();
    analysemenueAufbauen();

    const auto eintrag = [this](const char* name, const char* text) {
        QAction* aktion = menuBar()->addAction(QString::fromUtf8(text));
        aktion->setObjectName(QLatin1String(name));
        return aktion;
    };
    connect(eintrag("mnuBeenden", "&Beenden"), &QAction::triggered, this, &QWidget::close);
    connect(eintrag("mnuInfo", "&Info"), &QAction::triggered, this,
            [this] { zeigeInfo(plattform); });
    connect(eintrag("mnuUnterst", "&Unterstützen Sie die Weiterentwicklung"), &QAction::triggered,
            this, [] { zeigeUnterstuetzung(); });
}

QAction* frmzg::menueeintrag(Menueabschnitt abschnitt, const char* name, const QString& text,
                             const QKeySequence& kuerzel) {
    auto* aktion = new QAction(text, this);
    aktion->setObjectName(QLatin1String(name));
    aktion->setShortcut(kuerzel);
    mnuDatei->insertAction(abschnittsenden[static_cast<int>(abschnitt)], aktion);
    return aktion;
}

} // namespace velmora
