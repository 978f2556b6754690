#include "app/befehlszeile.h"
#include "app/exportformate.h"
#include "app/fensterprogramm.h"
#include "app/uebersetzung.h"
#include "platform/prozessgrundlage.h"
#include "platform/qtplattform.h"

#include <QApplication>

#include <memory>

namespace {

QStringList argumenteNachDemNamen(int argc, char* argv[]) {
    QStringList argumente;
    for (int i = 1; i < argc; ++i) {
        argumente.append(QString::fromLocal8Bit(argv[i]));
    }
    return argumente;
}

QtMessageHandler qtMeldungen = nullptr;

// Without a window the program talks to scripts: standard error holds its own messages, not
// Qt's notes for developers (such as a missing XDG_RUNTIME_DIR); Qt's errors still go there.
void nurQtFehler(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtCriticalMsg || art == QtFatalMsg) {
        qtMeldungen(art, ort, text);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    velmora::prozessgrundlageLegen();
    QCoreApplication::setApplicationName(QStringLiteral("velmora"));
    // The export, the help and the version need no display: they are decided before any
    // window toolkit is started.
    if (const QStringList argumente = argumenteNachDemNamen(argc, argv);
        !velmora::fuerDasFenster(argumente)) {
        const velmora::Aufruf aufruf = velmora::aufrufLesen(argumente);
        qtMeldungen = qInstallMessageHandler(nurQtFehler);
        // A PDF or DOCX is laid out with fonts, which takes Qt's GUI: on the platform without a
        // display.
        std::unique_ptr<QCoreApplication> anwendung;
        if (aufruf.format && aufruf.format->mitSchriften) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            anwendung = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            anwendung = std::make_unique<QCoreApplication>(argc, argv);
        }
        velmora::QtPlattform plattform;
        return velmora::ohneFensterAusfuehren(aufruf, plattform);
    }

    QApplication anwendung(argc, argv);
    velmora::QtPlattform plattform;
    if (!velmora::qtAufDeutsch(anwendung)) {
        plattform.protokoll(QStringLiteral("Die deutsche Übersetzung von Qt ist nicht "
                                           "installiert; Qts eigene Dialoge erscheinen auf "
                                           "Englisch."));
    }
    // Qt has taken its own options (-platform …); what is left names at most a file.
    const velmora::Aufruf aufruf = velmora::aufrufLesen(QApplication::arguments().mid(1));
    if (aufruf.art != velmora::Aufruf::Art::Fenster &&
        aufruf.art != velmora::Aufruf::Art::Analysefenster) {
        return velmora::ohneFensterAusfuehren(aufruf, plattform);
    }
    return velmora::fensterprogramm(anwendung, plattform, aufruf);
}
