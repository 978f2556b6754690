#include "window/bausteinverwaltung.h"

#include "compose/bewertungsbereich.h"
#include "platform/dateigrund.h"
#include "platform/plattform.h"
#include "storage/textbausteine.h"
#include "ui/dialogschrift.h"
#include "window/bausteinablage.h"
#include "window/notenname.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace velmora {

namespace {

const QString titel = QStringLiteral("Textbausteine");
const QString filter = QStringLiteral("Textbausteine (*.json)");

} // namespace

Bausteinverwaltung::Bausteinverwaltung(Bausteinablage& ablage, Plattform& plattform,
                                       QWidget* eltern)
    : QDialog(eltern), ablage(ablage), plattform(plattform), liste(new QTreeWidget) {
    setObjectName(QStringLiteral("frmBausteine"));
    setWindowTitle(titel);
    setFont(arial(8.25));
    liste->setObjectName(QStringLiteral("lstBausteine"));
    liste->setHeaderLabels({QStringLiteral("Abschnitt"), QStringLiteral("Note"),
                            QStringLiteral("Zeugnisart"), QStringLiteral("Name")});
    liste->setRootIsDecorated(false);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    liste->header()->setStretchLastSection(true);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close);
    knoepfe->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    const auto knopf = [&](const char* name, const QString& text, auto aktion) {
        QPushButton* k = knoepfe->addButton(text, QDialogButtonBox::ActionRole);
        k->setObjectName(QLatin1String(name));
        connect(k, &QPushButton::clicked, this, aktion);
        return k;
    };
    knopf("cmdUmbenennen", QStringLiteral("&Umbenennen"), [this] {
        if (QTreeWidgetItem* zeile = liste->currentItem()) {
            liste->editItem(zeile, 3);
        }
    });
    knopf("cmdLoeschen", QStringLiteral("&Löschen…"), &Bausteinverwaltung::loeschen);
    knopf("cmdImportieren", QStringLiteral("&Importieren…"), &Bausteinverwaltung::importieren);
    knopf("cmdExportieren", QStringLiteral("&Exportieren…"), &Bausteinverwaltung::exportieren);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(liste);
    spalte->addWidget(knoepfe);
    resize(720, 400);

    connect(liste, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* zeile, int spalte) {
        if (spalte == 3) {
            umbenannt(liste->indexOfTopLevelItem(zeile), zeile->text(3));
        }
    });
    fuellen();
}

void Bausteinverwaltung::fuellen() {
    const QSignalBlocker still(liste);
    liste->clear();
    for (const Textbaustein& b : ablage.bausteine()) {
        auto* zeile = new QTreeWidgetItem(
            liste, {QString::fromUtf8(bewertungsbereich(b.bereich).name),
                    notenname(b.bereich, b.note, b.art),
                    b.art == Zeugnisart::Endzeugnis ? QStringLiteral("Endzeugnis")
                                                    : QStringLiteral("Zwischenzeugnis"),
                    QString::fromStdString(b.name)});
        zeile->setFlags(zeile->flags() | Qt::ItemIsEditable);
    }
    for (int i = 0; i < 3; ++i) {
        liste->resizeColumnToContents(i);
    }
}

void Bausteinverwaltung::umbenannt(int zeile, const QString& name) {
    Textbausteine neu = ablage.bausteine();
    const QString bereinigt = name.simplified();
    if (zeile < 0 || zeile >= int(neu.size()) || bereinigt.isEmpty()) {
        fuellen(); // a name cannot be blank
        return;
    }
    neu[zeile].name = bereinigt.toStdString();
    ablage.speichern(neu);
    fuellen();
}

std::vector<int> Bausteinverwaltung::gewaehlt() const {
    std::vector<int> zeilen;
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        if (liste->topLevelItem(i)->isSelected()) {
            zeilen.push_back(i);
        }
    }
    return zeilen;
}

void Bausteinverwaltung::loeschen() {
    const std::vector<int> zeilen = gewaehlt();
    if (zeilen.empty()) {
        return;
    }
    const Textbausteine& alle = ablage.bausteine();
    const QString frage =
        zeilen.size() == 1
            ? QStringLiteral("Den Textbaustein „%1“ löschen? Zeugnisse, die ihn verwenden, "
                             "behalten ihren Text.")
                  .arg(QString::fromStdString(alle[zeilen.front()].name))
            : QStringLiteral("Die %1 ausgewählten Textbausteine löschen? Zeugnisse, die sie "
                             "verwenden, behalten ihren Text.")
                  .arg(zeilen.size());
    if (plattform.frage(this, titel, frage,
                        {QStringLiteral("&Löschen"), QStringLiteral("Abbrechen")}) != 0) {
        return;
    }
    Textbausteine neu;
    for (int i = 0; i < int(alle.size()); ++i) {
        if (std::ranges::find(zeilen, i) == zeilen.end()) {
            neu.push_back(alle[i]);
        }
    }
    ablage.speichern(neu);
    fuellen();
}

void Bausteinverwaltung::importieren() {
    const std::optional<QString> pfad = plattform.dateiZumOeffnen(
        this, QStringLiteral("Textbausteine importieren"), plattform.dokumentenordner(), filter);
    if (!pfad) {
        return;
    }
    QString fehler;
    const std::optional<QByteArray> inhalt =
        plattform.dateiLesen(*pfad, Dateiart::Dokument, hoechsteDateigroesse, &fehler);
    const Bausteinlesung lesung =
        inhalt ? textbausteineLesen(*inhalt, *pfad) : Bausteinlesung{std::nullopt, {}, 0};
    if (!lesung.bausteine) {
        plattform.meldung(
            this, titel,
            inhalt
                ? lesung.fehler
                : dateimeldung(QStringLiteral("„%1“ kann nicht gelesen werden: %2"), *pfad, fehler),
            Meldungssymbol::Ausruf);
        return;
    }
    Textbausteine neu = ablage.bausteine();
    std::set<std::string> ids;
    for (const Textbaustein& b : neu) {
        ids.insert(b.id);
    }
    int uebernommen = 0;
    for (const Textbaustein& b : *lesung.bausteine) {
        if (ids.insert(b.id).second) {
            neu.push_back(b);
            ++uebernommen;
        }
    }
    const int vorhanden = int(lesung.bausteine->size()) - uebernommen;
    if (uebernommen > 0) {
        ablage.speichern(neu);
        fuellen();
    }
    QString bericht =
        QStringLiteral("Aus „%1“ wurden %2 Textbausteine übernommen.").arg(*pfad).arg(uebernommen);
    if (vorhanden > 0) {
        bericht +=
            QStringLiteral(" %1 waren schon vorhanden und wurden übersprungen.").arg(vorhanden);
    }
    if (lesung.ausgelassen > 0) {
        bericht += QStringLiteral(" %1 Einträge waren unvollständig und wurden übersprungen.")
                       .arg(lesung.ausgelassen);
    }
    plattform.meldung(this, titel, bericht, Meldungssymbol::Information);
}

void Bausteinverwaltung::exportieren() {
    std::vector<int> zeilen = gewaehlt();
    const Textbausteine& alle = ablage.bausteine();
    Textbausteine ausfuhr;
    if (zeilen.empty()) {
        ausfuhr = alle;
    }
    for (const int i : zeilen) {
        ausfuhr.push_back(alle[i]);
    }
    const std::optional<QString> pfad = plattform.dateiZumSpeichern(
        this, QStringLiteral("Textbausteine exportieren"),
        plattform.dokumentenordner() + QStringLiteral("/Textbausteine.json"), filter);
    if (!pfad) {
        return;
    }
    QString fehler;
    if (!plattform.dateiErsetzen(*pfad, Dateiart::Dokument, textbausteineSchreiben(ausfuhr),
                                 &fehler)) {
        plattform.meldung(
            this, titel,
            dateimeldung(QStringLiteral("Die Textbausteine können nicht in „%1“ gespeichert "
                                        "werden: %2"),
                         *pfad, fehler),
            Meldungssymbol::Ausruf);
    }
}

} // namespace velmora
