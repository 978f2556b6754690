#include "window/bausteindialog.h"

#include "ui/dialogschrift.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velmora {

namespace {

// The words around a replaced one, so that the user sees which "sie" is meant.
QString umgebung(const std::string& text, const Ersetzung& e) {
    constexpr int rand = 30;
    const QString davor = QString::fromStdString(text.substr(0, e.stelle)).right(rand);
    const QString danach = QString::fromStdString(text.substr(e.stelle + e.wort.size())).left(rand);
    return QStringLiteral("„%1“ – …%2%1%3…")
        .arg(QString::fromStdString(e.wort), davor, danach)
        .simplified();
}

QPlainTextEdit* ansicht(const QString& name) {
    auto* feld = new QPlainTextEdit;
    feld->setObjectName(name);
    feld->setReadOnly(true);
    return feld;
}

} // namespace

Bausteindialog::Bausteindialog(const std::string& text, const Zeugnisdaten& daten, QWidget* eltern)
    : QDialog(eltern), text(text), daten(daten),
      ersetzungen(ersetzungenFinden(text, daten.geschlecht, daten.text(Eingabe::Vorname),
                                    daten.text(Eingabe::Name))),
      txtName(new QLineEdit), lstErsetzungen(new QListWidget), txtHerr(ansicht("txtHerr")),
      txtFrau(ansicht("txtFrau")) {
    setObjectName(QStringLiteral("frmBaustein"));
    setWindowTitle(QStringLiteral("Als Textbaustein speichern"));
    setFont(arial(8.25));
    txtName->setObjectName(QStringLiteral("txtName"));
    lstErsetzungen->setObjectName(QStringLiteral("lstErsetzungen"));

    for (const Ersetzung& e : ersetzungen) {
        auto* eintrag = new QListWidgetItem(umgebung(text, e), lstErsetzungen);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Checked);
        if (e.mehrdeutig) {
            eintrag->setToolTip(QStringLiteral("Dieses Wort kann auch etwas anderes meinen, etwa "
                                               "mehrere Personen. Entfernen Sie das Häkchen, wenn "
                                               "es stehen bleiben soll."));
        }
    }

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    cmdSpeichern = knoepfe->button(QDialogButtonBox::Save);
    cmdSpeichern->setText(QStringLiteral("&Speichern"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));

    auto* name = new QLabel(QStringLiteral("&Name des Textbausteins:"));
    name->setBuddy(txtName);
    auto* liste = new QLabel(
        ersetzungen.empty()
            ? QStringLiteral("Der Text enthält weder den Namen noch Wörter, die vom Geschlecht "
                             "abhängen.")
            : QStringLiteral("&Ersetzte Wörter (ohne Häkchen bleibt das Wort stehen):"));
    liste->setBuddy(lstErsetzungen);
    liste->setWordWrap(true);

    auto* raster = new QGridLayout(this);
    raster->addWidget(name, 0, 0, 1, 2);
    raster->addWidget(txtName, 1, 0, 1, 2);
    raster->addWidget(liste, 2, 0, 1, 2);
    raster->addWidget(lstErsetzungen, 3, 0, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Für einen Mann:")), 4, 0);
    raster->addWidget(new QLabel(QStringLiteral("Für eine Frau:")), 4, 1);
    raster->addWidget(txtHerr, 5, 0);
    raster->addWidget(txtFrau, 5, 1);
    raster->addWidget(knoepfe, 6, 0, 1, 2);
    lstErsetzungen->setVisible(!ersetzungen.empty());
    resize(640, 480);

    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtName, &QLineEdit::textChanged, this, &Bausteindialog::zeigen);
    connect(lstErsetzungen, &QListWidget::itemChanged, this, &Bausteindialog::zeigen);
    zeigen();
}

std::string Bausteindialog::name() const {
    return txtName->text().simplified().toStdString();
}

std::string Bausteindialog::vorlage() const {
    std::vector<bool> an;
    for (int i = 0; i < lstErsetzungen->count(); ++i) {
        an.push_back(lstErsetzungen->item(i)->checkState() == Qt::Checked);
    }
    return slottext(text, ersetzungen, an);
}

void Bausteindialog::zeigen() {
    const std::string baustein = vorlage();
    txtHerr->setPlainText(QString::fromStdString(bausteinFuellen(baustein, herr, daten)));
    txtFrau->setPlainText(QString::fromStdString(bausteinFuellen(baustein, frau, daten)));
    cmdSpeichern->setEnabled(!name().empty());
}

} // namespace velmora
