// The menu "Anal&yse": a reference file, the clipboard's text or the reference in the window,
// read backwards in the analysis window.
#include "analysefenster/analysefenster.h"
#include "output/klartext.h"
#include "window/frmzg.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace velmora {

void frmzg::analysemenueAufbauen() {
    QMenu* menue = menuBar()->addMenu(QStringLiteral("Anal&yse"));
    menue->setObjectName(QStringLiteral("mnuAnalyse"));
    const auto eintrag = [&](const char* name, const char* text, auto tun) {
        QAction* aktion = menue->addAction(QString::fromUtf8(text));
        aktion->setObjectName(QLatin1String(name));
        connect(aktion, &QAction::triggered, this, tun);
    };
    eintrag("mnuAnalyseDatei", "Zeugnis&datei analysieren…",
            [this] { analysefensterZeigen().dateiWaehlen(); });
    eintrag("mnuAnalyseAblage", "Text aus der &Zwischenablage analysieren",
            [this] { analysefensterZeigen().zwischenablageAnalysieren(); });
    eintrag("mnuAnalyseZeugnis", "Dieses Zeugnis &analysieren", [this] {
        eingabeAbschliessen();
        const std::string text = klartext(daten(), angezeigteVorschautexte());
        analysefensterZeigen().textAnalysieren(
            text, sitzung.offeneDatei.isEmpty() ? QStringLiteral("Zeugnis in Bearbeitung")
                                                : QFileInfo(sitzung.offeneDatei).fileName());
    });
}

Analysefenster& frmzg::analysefensterZeigen() {
    if (!analysefenster) {
        analysefenster = new Analysefenster(plattform, analyseleser, this);
        if (sitzung.analysegroesse) {
            analysefenster->resize(*sitzung.analysegroesse);
        }
    }
    analysefenster->setWindowState(analysefenster->windowState() & ~Qt::WindowMinimized);
    analysefenster->show();
    analysefenster->raise();
    analysefenster->activateWindow();
    return *analysefenster;
}

void frmzg::analysieren(const std::optional<QString>& datei) {
    Analysefenster& fenster = analysefensterZeigen();
    if (datei) {
        fenster.dateiAnalysieren(*datei);
    }
}

} // namespace velmora
