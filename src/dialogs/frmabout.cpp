#include "dialogs/frmabout.h"

#include "dialogs/kontakt.h"
#include "generated/version.h"
#include "platform/plattform.h"
#include "ui/dialogschrift.h"
#include "ui/klickbeschriftung.h"
#include "ui/programmsymbol.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace velmora {

namespace {

enum class Ziel { Mail, Webseite };

// The contact block: every line is a link to the maker, only two of them look like one.
struct Kontaktzeile {
    const char* name;
    QString text;
    QRect lage;
    bool verweisstil;
    Ziel ziel;
};

// The separator below the version: a line and a light one under it, from x 1200 to 7200 twips.
struct Trennlinie {
    int oben;
    QColor farbe;
};
const Trennlinie trennlinien[] = {{1920, QColor(128, 128, 128)}, {1941, QColor(224, 224, 224)}};
constexpr int trennlinieLinks = 1200;
constexpr int trennlinieRechts = 7200;

} // namespace

QString versionstext(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

frmAbout::frmAbout(Plattform& plattform, Systeminfoquellen systeminfo)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      plattform(plattform), systeminfo(std::move(systeminfo)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Velmora 1.0"));
    setFixedSize(twipsGroesse(7380, 3495));
    setFont(arial(8.25));

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRechteck(6000, 2280, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto* cmdSysInfo = new QPushButton(QStringLiteral("&Systeminfo..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(twipsRechteck(6000, 2760, 1245, 345));
    connect(cmdSysInfo, &QPushButton::clicked, this,
            [this] { StartSysInfo(this->plattform, this->systeminfo, this); });
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRechteck(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(programmsymbol().pixmap(32, 32));

    kontaktblockAnlegen();

    auto* lblVersion = new QLabel(versionstext(versionMajor, versionMinor, versionRevision), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(twipsRechteck(1200, 1560, 3885, 225));

    auto* lblDescription = new QLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(twipsRechteck(1200, 2040, 4485, 1050));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette schwarz = lblDescription->palette();
    schwarz.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(schwarz);
}

void frmAbout::kontaktblockAnlegen() {
    const QString name = QString::fromUtf8(kontakt::name);
    const Kontaktzeile zeilen[] = {
        {"Label1(3)", QStringLiteral("Programmierung und Idee von:"),
         twipsRechteck(1200, 240, 2895, 255), false, Ziel::Mail},
        {"Label1(2)", name, twipsRechteck(1200, 600, 2895, 255), false, Ziel::Mail},
        {"Label1(0)", QString::fromUtf8(kontakt::strasse), twipsRechteck(1200, 840, 2895, 255),
         false, Ziel::Mail},
        {"Label1(1)", QString::fromUtf8(kontakt::ort), twipsRechteck(1200, 1080, 2895, 255), false,
         Ziel::Mail},
        {"Label1(4)", QString::fromUtf8(kontakt::telefonFax), twipsRechteck(4320, 600, 2895, 255),
         false, Ziel::Mail},
        {"Label1(5)", QString::fromUtf8(kontakt::mail), twipsRechteck(4320, 840, 2895, 255), true,
         Ziel::Mail},
        {"Label2", name + QStringLiteral(" im Internet"), twipsRechteck(4320, 1080, 1455, 255),
         true, Ziel::Webseite},
    };
    const QString mailadresse = QStringLiteral("mailto:") + QString::fromUtf8(kontakt::mail);
    const QString webadresse = QString::fromUtf8(kontakt::webseite);
    for (const Kontaktzeile& zeile : zeilen) {
        auto* label = new Klickbeschriftung(zeile.text, this);
        label->setObjectName(QString::fromLatin1(zeile.name));
        label->setGeometry(zeile.lage);
        if (zeile.verweisstil) {
            label->alsVerweis();
        }
        const QString adresse = zeile.ziel == Ziel::Mail ? mailadresse : webadresse;
        connect(label, &Klickbeschriftung::geklickt, this,
                [this, adresse] { plattform.oeffnen(adresse); });
    }
}

void frmAbout::paintEvent(QPaintEvent* ereignis) {
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    for (const Trennlinie& linie : trennlinien) {
        maler.setPen(linie.farbe);
        const int y = twipsNachPixel(linie.oben);
        maler.drawLine(twipsNachPixel(trennlinieLinks), y, twipsNachPixel(trennlinieRechts), y);
    }
}

} // namespace velmora
