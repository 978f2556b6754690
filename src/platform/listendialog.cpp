#include "platform/listendialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

Plattform::Listenwahl listendialog(QWidget* besitzer, const QString& titel, const QString& text,
                                   const QStringList& eintraege, const QStringList& knoepfe) {
    QDialog dialog(besitzer);
    dialog.setWindowTitle(titel);
    auto* spalte = new QVBoxLayout(&dialog);
    auto* einleitung = new QLabel(text);
    einleitung->setWordWrap(true);
    spalte->addWidget(einleitung);
    auto* liste = new QListWidget;
    liste->setWordWrap(true);
    liste->addItems(eintraege);
    liste->setCurrentRow(0);
    spalte->addWidget(liste);
    auto* leiste = new QDialogButtonBox;
    spalte->addWidget(leiste);

    Plattform::Listenwahl wahl;
    for (int i = 0; i < knoepfe.size(); ++i) {
        QPushButton* knopf = leiste->addButton(knoepfe[i], QDialogButtonBox::ActionRole);
        knopf->setDefault(i == 0);
        QObject::connect(knopf, &QPushButton::clicked, &dialog, [&, i] {
            wahl = {i, liste->currentRow()};
            dialog.accept();
        });
    }
    QObject::connect(liste, &QListWidget::itemActivated, &dialog, [&](QListWidgetItem* eintrag) {
        wahl = {0, liste->row(eintrag)};
        dialog.accept();
    });
    dialog.resize(520, 300);
    dialog.exec();
    return wahl;
}

} // namespace velmora
