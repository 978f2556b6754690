#include "dialogs/frmfirmenprofil.h"

#include "platform/plattform.h"
#include "ui/dialogschrift.h"
#include "ui/markierfeld.h"
#include "ui/vollmachtfeld.h"
#include "ui/zeilenliste.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

const QString titel = QStringLiteral("Firmenprofil");

Markierfeld* feld(const char* name) {
    auto* feld = new Markierfeld({}, nullptr);
    feld->setObjectName(QLatin1String(name));
    return feld;
}

QLabel* beschriftung(const QString& text, QWidget* fuer) {
    auto* label = new QLabel(text);
    label->setBuddy(fuer);
    return label;
}

QPushButton* knopf(const char* name, const QString& text) {
    auto* knopf = new QPushButton(text);
    knopf->setObjectName(QLatin1String(name));
    return knopf;
}

} // namespace

frmFirmenprofil::frmFirmenprofil(Plattform& plattform, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      plattform(plattform), txtFirma(feld("txtFirma")), txtBriefkopf(new QPlainTextEdit),
      lblLogo(new QLabel), cmdEntfernen(knopf("cmdEntfernen", QStringLiteral("&Entfernen"))),
      txtOrt(feld("txtOrt")), txtUnterzeichner(feld("txtUnterzeichner")),
      cmbVollmacht(new Vollmachtfeld), txtFunktion(feld("txtFunktion")),
      txtTeamordner(feld("txtTeamordner")) {
    setObjectName(QStringLiteral("frmFirmenprofil"));
    setWindowTitle(titel);
    setModal(true);
    setFont(arial(8.25));

    txtBriefkopf->setObjectName(QStringLiteral("txtBriefkopf"));
    txtBriefkopf->setTabChangesFocus(true);
    // Room for a usual letterhead: name, two lines of address, telephone, mail.
    txtBriefkopf->setFixedHeight(fontMetrics().lineSpacing() * 5 + 12);
    txtBriefkopf->setPlaceholderText(QStringLiteral("Anschrift, Telefon, E-Mail – eine Angabe je "
                                                    "Zeile"));
    lblLogo->setObjectName(QStringLiteral("lblLogo"));
    lblLogo->setFrameShape(QFrame::StyledPanel);
    lblLogo->setAlignment(Qt::AlignCenter);
    lblLogo->setFixedSize(240, 90);

    auto* cmdLogo = knopf("cmdLogo", QStringLiteral("Logo &wählen…"));
    auto* logoknoepfe = new QVBoxLayout;
    logoknoepfe->addWidget(cmdLogo);
    logoknoepfe->addWidget(cmdEntfernen);
    logoknoepfe->addStretch();
    auto* logozeile = new QHBoxLayout;
    logozeile->addWidget(lblLogo);
    logozeile->addLayout(logoknoepfe);
    logozeile->addStretch();

    auto* hinweis = new QLabel(QStringLiteral(
        "Der Briefkopf steht über jedem Zeugnis, das als Dokument ausgegeben wird. Arbeitgeber, "
        "Ort und Unterzeichner übernimmt jedes neue Zeugnis."));
    hinweis->setWordWrap(true);
    auto* firma = new QFormLayout;
    firma->addRow(beschriftung(QStringLiteral("&Arbeitgeber:"), txtFirma), txtFirma);
    firma->addRow(beschriftung(QStringLiteral("&Briefkopf:"), txtBriefkopf), txtBriefkopf);
    firma->addRow(QStringLiteral("Logo:"), logozeile);
    firma->addRow(beschriftung(QStringLiteral("&Ort:"), txtOrt), txtOrt);

    auto* unterzeichner = new QFormLayout;
    unterzeichner->addRow(beschriftung(QStringLiteral("&Name:"), txtUnterzeichner),
                          txtUnterzeichner);
    unterzeichner->addRow(beschriftung(QStringLiteral("&Vollmacht:"), cmbVollmacht), cmbVollmacht);
    unterzeichner->addRow(beschriftung(QStringLiteral("&Funktion:"), txtFunktion), txtFunktion);
    auto* gruppe = new QGroupBox(QStringLiteral("Unterzeichner"));
    gruppe->setLayout(unterzeichner);

    // Optional: an empty box ends the sharing, and the copies here go on alone.
    auto* cmdOrdner = knopf("cmdOrdner", QStringLiteral("Ordner wä&hlen…"));
    txtTeamordner->setPlaceholderText(QStringLiteral("keiner – Profil und Textbausteine nur auf "
                                                     "diesem Rechner"));
    auto* ordnerzeile = new QHBoxLayout;
    ordnerzeile->addWidget(txtTeamordner, 1);
    ordnerzeile->addWidget(cmdOrdner);
    auto* team = new QFormLayout;
    team->addRow(beschriftung(QStringLiteral("&Gemeinsamer Ordner:"), txtTeamordner), ordnerzeile);
    auto* teamhinweis = new QLabel(QStringLiteral(
        "Mit einem gemeinsamen Ordner, etwa auf dem Dateiserver der Abteilung, nutzen alle "
        "Sachbearbeiter dasselbe Firmenprofil, dasselbe Logo und dieselben Textbausteine."));
    teamhinweis->setWordWrap(true);

    auto* knoepfe = new QDialogButtonBox;
    auto* cmdOK = knopf("cmdOK", QStringLiteral("OK"));
    cmdOK->setDefault(true);
    knoepfe->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    knoepfe->addButton(knopf("cmdAbbrechen", QStringLiteral("Abbrechen")),
                       QDialogButtonBox::RejectRole);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(hinweis);
    spalte->addLayout(firma);
    spalte->addWidget(gruppe);
    spalte->addWidget(teamhinweis);
    spalte->addLayout(team);
    spalte->addWidget(knoepfe);
    setMinimumWidth(520);

    connect(cmdLogo, &QPushButton::clicked, this, &frmFirmenprofil::logoWaehlen);
    connect(cmdEntfernen, &QPushButton::clicked, this, [this] {
        logo.reset();
        logoZeigen();
    });
    connect(cmdOrdner, &QPushButton::clicked, this, [this] {
        const QString bisher = txtTeamordner->text().trimmed();
        if (const std::optional<QString> ordner = this->plattform.ordnerZumWaehlen(
                this, QStringLiteral("Gemeinsamen Ordner wählen"),
                bisher.isEmpty() ? this->plattform.dokumentenordner() : bisher)) {
            txtTeamordner->setText(*ordner);
        }
    });
    connect(knoepfe, &QDialogButtonBox::accepted, this, &frmFirmenprofil::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &frmFirmenprofil::reject);

    const Firmenprofil profil = firmenprofilLaden(plattform);
    txtFirma->setText(QString::fromUtf8(profil.firma));
    txtBriefkopf->setPlainText(zeilentext(profil.briefkopf));
    txtOrt->setText(QString::fromUtf8(profil.ort));
    txtUnterzeichner->setText(QString::fromUtf8(profil.unterzeichner.name));
    txtFunktion->setText(QString::fromUtf8(profil.unterzeichner.funktion));
    cmbVollmacht->wertSetzen(profil.unterzeichner.zusatz);
    txtTeamordner->setText(QString::fromStdString(profil.teamordner));
    // A logo that cannot be read is not shown, and its file is left alone.
    if (!profil.logo.empty()) {
        QString fehler;
        logo = logoLesen(plattform, profilpfad(plattform.datenordner(), profil.logo),
                         Dateiart::Eigen, fehler);
        bisherigesLogo = logo ? profil.logo : std::string();
    }
    logoZeigen();
}

Firmenprofil frmFirmenprofil::profil() const {
    Firmenprofil profil;
    profil.firma = txtFirma->text().toStdString();
    // Empty lines at the end would only push the reference down the page.
    QStringList zeilen = txtBriefkopf->toPlainText().split(QLatin1Char('\n'));
    while (!zeilen.isEmpty() && zeilen.last().trimmed().isEmpty()) {
        zeilen.removeLast();
    }
    profil.briefkopf = zeilenliste(zeilen);
    profil.logo = logo ? std::string(logodateiname(logo->format)) : std::string();
    profil.ort = txtOrt->text().toStdString();
    profil.unterzeichner = {txtUnterzeichner->text().toStdString(),
                            txtFunktion->text().toStdString(), cmbVollmacht->wert()};
    profil.teamordner = txtTeamordner->text().trimmed().toStdString();
    return profil;
}

void frmFirmenprofil::logoWaehlen() {
    const std::optional<QString> pfad =
        plattform.dateiZumOeffnen(this, QStringLiteral("Logo wählen"), plattform.dokumentenordner(),
                                  QStringLiteral("Bilder (*.png *.jpg *.jpeg *.PNG *.JPG *.JPEG)"));
    if (!pfad) {
        return;
    }
    QString fehler;
    std::optional<Logo> gewaehlt = logoLesen(plattform, *pfad, Dateiart::Dokument, fehler);
    if (!gewaehlt) {
        plattform.meldung(
            this, titel,
            QStringLiteral("„%1“ kann nicht als Logo verwendet werden.\n%2").arg(*pfad, fehler),
            Meldungssymbol::Ausruf);
        return;
    }
    logo = std::move(gewaehlt);
    logoNeu = true;
    logoZeigen();
}

void frmFirmenprofil::logoZeigen() {
    cmdEntfernen->setEnabled(logo.has_value());
    if (!logo) {
        lblLogo->setText(QStringLiteral("Kein Logo"));
        return;
    }
    const QPixmap bild = QPixmap::fromImage(logo->bild);
    const QSize platz = lblLogo->contentsRect().size() - QSize(8, 8);
    lblLogo->setPixmap(bild.size().boundedTo(platz) == bild.size()
                           ? bild
                           : bild.scaled(platz, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

std::optional<QString> frmFirmenprofil::speichern() {
    const QString ordner = plattform.datenordner();
    if (ordner.isEmpty()) {
        return QStringLiteral("Es gibt keinen Ordner, in den das Programm schreiben kann.");
    }
    const Firmenprofil neu = profil();
    QString fehler;
    // The logo first: the profile never names a logo that is not there.
    if (logo && logoNeu) {
        const QString pfad = profilpfad(ordner, neu.logo);
        if (!plattform.dateiErsetzen(pfad, Dateiart::Eigen, logo->daten, &fehler)) {
            return QStringLiteral("„%1“: %2").arg(pfad, fehler);
        }
        logoNeu = false;
    }
    const QString pfad = profilpfad(ordner, firmenprofildateiname);
    if (!plattform.dateiErsetzen(pfad, Dateiart::Eigen, firmenprofilSchreiben(neu), &fehler)) {
        return QStringLiteral("„%1“: %2").arg(pfad, fehler);
    }
    if (!bisherigesLogo.empty() && bisherigesLogo != neu.logo) {
        const QString alt = profilpfad(ordner, bisherigesLogo);
        if (!plattform.dateiLoeschen(alt, &fehler)) {
            plattform.protokoll(
                QStringLiteral("Das alte Logo „%1“ bleibt liegen: %2").arg(alt, fehler));
        }
    }
    bisherigesLogo = neu.logo;
    return std::nullopt;
}

void frmFirmenprofil::accept() {
    if (const std::optional<QString> fehler = speichern()) {
        plattform.meldung(this, titel,
                          QStringLiteral("Das Firmenprofil konnte nicht gespeichert werden.\n%1\n\n"
                                         "Ihre Angaben bleiben im Dialog erhalten.")
                              .arg(*fehler),
                          Meldungssymbol::Kritisch);
        return;
    }
    QDialog::accept();
}

} // namespace velmora
