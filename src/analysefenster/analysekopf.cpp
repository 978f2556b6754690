#include "analysefenster/analysekopf.h"

#include "analysedarstellung/analysetexte.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace velmora {

namespace {

// The cells in two rows, so that the window fits a small screen.
constexpr int zellenJeZeile = 7;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString zellenstil(std::string_view hintergrund, std::string_view schrift, bool fehlt) {
    return QStringLiteral("QLabel { background: %1; color: %2; border: 1px %3 #606060; "
                          "padding: 2px; }")
        .arg(QLatin1String(hintergrund), QLatin1String(schrift),
             fehlt ? QStringLiteral("dashed") : QStringLiteral("solid"));
}

} // namespace

Analysekopf::Analysekopf(QWidget* eltern) : QWidget(eltern) {
    auto* spalten = new QVBoxLayout(this);
    spalten->setContentsMargins(0, 0, 0, 0);
    note = new QLabel(this);
    note->setObjectName(QStringLiteral("gesamtnote"));
    QFont gross = note->font();
    gross.setPointSizeF(gross.pointSizeF() * 2.4);
    gross.setBold(true);
    note->setFont(gross);
    grund = new QLabel(this);
    grund->setObjectName(QStringLiteral("gesamtnotengrund"));
    grund->setWordWrap(true);
    auto* oben = new QHBoxLayout;
    oben->addWidget(note);
    oben->addWidget(grund, 1);
    spalten->addLayout(oben);

    auto* gitter = new QGridLayout;
    gitter->setSpacing(3);
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        auto* zelle = new QLabel(this);
        zelle->setObjectName(QStringLiteral("bereich%1").arg(bereich));
        zelle->setAlignment(Qt::AlignCenter);
        zelle->setMinimumWidth(zelle->fontMetrics().horizontalAdvance(QStringLiteral("fehlt")) +
                               12);
        auto* name = new QLabel(q(bereichsname(bereich, Zeugnistyp::Endzeugnis)), this);
        name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        name->setWordWrap(true);
        QFont klein = name->font();
        klein.setPointSizeF(klein.pointSizeF() * 0.8);
        name->setFont(klein);
        const int zeile = (bereich - 1) / zellenJeZeile * 2;
        const int spalte = (bereich - 1) % zellenJeZeile;
        gitter->addWidget(zelle, zeile, spalte);
        gitter->addWidget(name, zeile + 1, spalte);
        zellen[bereich - 1] = zelle;
        namen[bereich - 1] = name;
    }
    spalten->addLayout(gitter);
    leeren();
}

void Analysekopf::leeren() {
    note->setText(QStringLiteral("–"));
    grund->clear();
    for (QLabel* zelle : zellen) {
        zelle->clear();
        zelle->setStyleSheet(zellenstil("transparent", "palette(text)", false));
    }
}

void Analysekopf::zeigen(const Analyse& analyse) {
    note->setText(analyse.gesamtnote ? q(noteInWorten(*analyse.gesamtnote)) : QStringLiteral("–"));
    grund->setText(QString::fromUtf8(gesamtnotengrund(analyse)) + QStringLiteral(" · ") +
                   QString::fromUtf8(artname(analyse.art)));
    const auto bilder = bereichsbilder(analyse);
    for (int bereich = 1; bereich <= anzahlBereiche; ++bereich) {
        const Bereichsbild& bild = bilder[bereich - 1];
        QLabel* zelle = zellen[bereich - 1];
        namen[bereich - 1]->setText(q(bereichsname(bereich, analyse.art)));
        zelle->setToolTip(q(bereichszeile(bereich, analyse)));
        zelle->setAccessibleName(zelle->toolTip());
        if (bild.note) {
            const Notenfarbe& farbe = notenfarben[*bild.note - 1];
            zelle->setText(QString::number(*bild.note));
            zelle->setStyleSheet(zellenstil(farbe.hintergrund, farbe.schrift, false));
        } else {
            zelle->setText(bild.vorhanden ? QStringLiteral("–") : QStringLiteral("fehlt"));
            zelle->setStyleSheet(zellenstil("transparent", "palette(text)", !bild.vorhanden));
        }
    }
}

QString Analysekopf::gesamtnote() const {
    return note->text();
}

} // namespace velmora
