#include "dialogs/frmunterst.h"

#include "dialogs/kontakt.h"
#include "ui/dialogschrift.h"
#include "ui/markierfeld.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace velmora {

namespace {

struct Text {
    const char* name;
    const char* text;
    QRect lage;
};

const Text beschriftungen[] = {
    {"Label1",
     "Velmora wird mittlerweile über 1.000-mal im Monat von meinem Server geladen. Das "
     "spricht eigentlich dafür, dass ein großes Interesse daran besteht, dass Programm weiter zu "
     "entwickeln und durch zusätzliche Möglichkeiten und Features zu erweitern. Das würde ich für "
     "eine (auch symbolische) Gegenleistung ja auch machen.",
     twipsRechteck(240, 120, 8415, 615)},
    {"Label2",
     "Wenn Sie also der Meinung sind, dass dieses Programm weiterentwickelt werden soll "
     "(direktes Bearbeiten und Ausdruck von Arbeitszeugnissen, eigene Textbausteine optional "
     "einarbeiten, Unterstützung von weiteren Textverarbeitungsprogrammen, Speicherung der "
     "Arbeitszeugnisse für die spätere Änderung direkt im Programm usw.), können Sie das dadurch "
     "bewirken, dass Sie irgendeinen Betrag auf mein Konto überweisen und damit zeigen, dass "
     "Interesse daran besteht, die oben genannten Punkte zu realisieren und auch meine Arbeit zu "
     "honorieren.",
     twipsRechteck(240, 840, 8295, 975)},
    {"Label3",
     "Falls Sie sich entschieden haben, einen Betrag nach Ihrer Wahl zu spenden, überweisen Sie "
     "diesen bitte zugunsten folgender Bankverbindung.",
     twipsRechteck(240, 1920, 8415, 495)},
    {"Label4", "Begünstigter/Kontoinhaber:", twipsRechteck(240, 2520, 2055, 255)},
    {"Label6", "Bankleitzahl:", twipsRechteck(4680, 2520, 1335, 255)},
    {"Label5", "Kontonummer:", twipsRechteck(240, 3000, 1455, 255)},
    {"Label7", "Bank:", twipsRechteck(4680, 3000, 1455, 375)},
    {"Label8",
     "Falls Sie das Programm gewerblich nutzen und den gespendeten Betrag steuerlich geltend "
     "machen möchten, teilen Sie mir das bitte per Mail mit und ich werde Ihnen eine steuerlich "
     "absetzbare Rechnung übeer den gespendeten Betrag zukommen lassen.",
     twipsRechteck(240, 3480, 8175, 615)},
    {"Label9", "Vielen Dank für Ihr Interesse an der Weiterentwicklung dieser Software.",
     twipsRechteck(240, 4200, 8295, 375)},
};

// In the order of their index, which is also the tab order: holder, account, bank code, bank.
const Text bankfelder[] = {
    {"txtBank(0)", kontakt::kontoinhaber, twipsRechteck(2280, 2520, 2055, 405)},
    {"txtBank(1)", kontakt::kontonummer, twipsRechteck(2280, 3000, 2055, 405)},
    {"txtBank(2)", kontakt::bankleitzahl, twipsRechteck(6360, 2520, 2055, 405)},
    {"txtBank(3)", kontakt::bank, twipsRechteck(6360, 3000, 2055, 405)},
};

} // namespace

frmUnterst::frmUnterst()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmUnterst"));
    setWindowTitle(QStringLiteral("Unterstützen Sie die Entwicklung"));
    setFixedSize(twipsGroesse(8670, 5250));
    // The long texts were laid out for a narrow 8-point font; Arial needs 7.5 points to wrap
    // them into the same boxes.
    setFont(arial(7.5));

    for (const Text& beschriftung : beschriftungen) {
        auto* label = new QLabel(QString::fromUtf8(beschriftung.text), this);
        label->setObjectName(QString::fromLatin1(beschriftung.name));
        label->setGeometry(beschriftung.lage);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (const Text& feld : bankfelder) {
        auto* txtBank = new Markierfeld(QString::fromUtf8(feld.text), this);
        txtBank->setObjectName(QString::fromLatin1(feld.name));
        txtBank->setGeometry(feld.lage);
    }

    auto* cmdOK = new QPushButton(QStringLiteral("&Zurück zum Programm"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRechteck(240, 4560, 8175, 495));
    // Enter presses the button that has the focus, as in every dialog.
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    // Escape leaves it as it leaves any dialog.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

} // namespace velmora
