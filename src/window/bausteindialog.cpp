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

// What a slot becomes: the name it stands for, or the word for a man and for a woman.
QString slotbedeutung(const Ersetzung& e, const Zeugnisdaten& daten) {
    if (e.slot == eingabeSlots[int(Eingabe::Name)]) {
        return QStringLiteral("Nachname");
    }
    if (e.slot == eingabeSlots[int(Eingabe::Vorname)]) {
        return QStringLiteral("Vorname");
    }
    const std::string slot = '{' + e.slot + '}';
    return QString::fromStdString(bausteinFuellen(slot, herr, daten)) + QStringLiteral(" / ") +
           QString::fromStdString(bausteinFuellen(slot, frau, daten));
}

// A replaced word in the list with the words around it, so that the user sees which "sie" is
// meant.
QString eintrag(const std::string& text, const Ersetzung& e, const Zeugnisdaten& daten) {
    constexpr int woerter = 4;
    const QStringList davor =
        QString::fromStdString(text.substr(0, e.stelle)).split(' ', Qt::SkipEmptyParts);
    const QStringList danach = QString::fromStdString(text.substr(e.stelle + e.wort.size()))
                                   .split(' ', Qt::SkipEmptyParts);
    QString umgebung = davor.mid(davor.size() - woerter).join(' ');
    if (davor.size() > woerter) {
        umgebung.prepend(QStringLiteral("…"));
    }
    const QString wort = QString::fromStdString(e.wort);
    umgebung += (davor.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("»") + wort +
                QStringLiteral("« ") + danach.mid(0, woerter).join(' ');
    if (danach.size() > woerter) {
        umgebung += QStringLiteral("…");
    }
    QString zeile = QStringLiteral("„%1“ → %2:   %3").arg(wort, slotbedeutung(e, daten), umgebung);
    if (e.mehrdeutig) {
        zeile += QStringLiteral("   (bitte prüfen)");
    }
    return zeile;
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
        auto* zeile = new QListWidgetItem(eintrag(text, e, daten), lstErsetzungen);
        zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        zeile->setCheckState(Qt::Checked);
        if (e.mehrdeutig) {
            zeile->setToolTip(QStringLiteral("Dieses Wort kann auch etwas anderes meinen, etwa "
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
    resize(720, 480);

    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The name changes neither text: it only allows saving.
    cmdSpeichern->setEnabled(false);
    connect(txtName, &QLineEdit::textChanged, this,
            [this] { cmdSpeichern->setEnabled(!this->name().empty()); });
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
}

} // namespace velmora
