#include "analysefenster/analysefenster.h"

#include "analysedarstellung/analysebericht.h"
#include "analysedarstellung/analysetexte.h"
#include "analysedarstellung/satzabsaetze.h"
#include "analysefenster/analysekopf.h"
#include "analysefenster/satzansicht.h"
#include "encoding/zeichensatz.h"
#include "platform/plattform.h"
#include "render/pdfausgabe.h"

#include <QDate>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmora {

namespace {

const QString fenstertitel = QStringLiteral("Zeugnisanalyse");
const QString dateifilter =
    QStringLiteral("Zeugnisse (*.pdf *.docx *.rtf *.doc *.txt *.zeugnis);;Alle Dateien (*)");

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The sentence with its deciding words in bold.
QString hervorgehoben(const Satzanalyse& satz) {
    QString text = q(satz.text).toHtmlEscaped();
    for (const std::string& signal : satz.signale) {
        const QString wort = q(signal).toHtmlEscaped();
        const qsizetype stelle = text.indexOf(wort);
        if (!wort.isEmpty() && stelle >= 0) {
            text.replace(stelle, wort.size(), QStringLiteral("<b><u>%1</u></b>").arg(wort));
        }
    }
    return text;
}

QString seitentext(const Analyse& analyse, std::size_t i) {
    const Satzanalyse& satz = analyse.saetze[i];
    QString html = QStringLiteral("<p><b>Satz %1</b> · %2</p>")
                       .arg(i + 1)
                       .arg(q(bereichsname(satz.bereich, analyse.art)).toHtmlEscaped());
    if (satz.note) {
        const Notenfarbe& farbe = notenfarben[*satz.note - 1];
        html += QStringLiteral("<p><span style=\"background:%1; color:%2; font-size:large\">"
                               "&nbsp;%3&nbsp;</span></p>")
                    .arg(q(farbe.hintergrund), q(farbe.schrift), q(noteInWorten(*satz.note)));
    } else if (const std::string grund = grundInWorten(satz); !grund.empty()) {
        html += QStringLiteral("<p>%1</p>").arg(q(grund).toHtmlEscaped());
    } else {
        html += QStringLiteral("<p>ohne Note</p>");
    }
    html += QStringLiteral("<p>%1</p>").arg(hervorgehoben(satz));
    if (satz.bekannt && satz.note) {
        html += QStringLiteral("<p><i>Textbaustein der Note %1</i></p>").arg(*satz.note);
    }
    QStringList punkte;
    for (const std::string_view erklaerung : satz.erklaerungen) {
        punkte.append(q(erklaerung).toHtmlEscaped());
    }
    for (const Hinweis* hinweis : satzhinweise(analyse, i)) {
        punkte.append(QStringLiteral("<b>%1</b>").arg(q(hinweis->text).toHtmlEscaped()));
    }
    if (!punkte.isEmpty()) {
        html += QStringLiteral("<ul><li>") + punkte.join(QStringLiteral("</li><li>")) +
                QStringLiteral("</li></ul>");
    }
    return html;
}

} // namespace

Analysefenster::Analysefenster(Plattform& plattform, Analyseleser leser, QWidget* eltern)
    : QWidget(eltern, Qt::Window), plattform(plattform), leser(std::move(leser)) {
    setObjectName(QStringLiteral("frmAnalyse"));
    setWindowTitle(fenstertitel);
    setAcceptDrops(true);
    resize(1000, 700);

    auto* spalte = new QVBoxLayout(this);
    kopf = new Analysekopf(this);
    spalte->addWidget(kopf);

    auto* mitte = new QSplitter(Qt::Horizontal, this);
    saetze = new Satzansicht(mitte);
    saetze->setObjectName(QStringLiteral("saetze"));
    seitenfeld = new QTextBrowser(mitte);
    seitenfeld->setObjectName(QStringLiteral("seitenfeld"));
    seitenfeld->setFocusPolicy(Qt::StrongFocus);
    seitenfeld->setTabChangesFocus(true);
    seitenfeld->setAcceptDrops(false);
    seitenfeld->viewport()->setAcceptDrops(false);
    mitte->addWidget(saetze);
    mitte->addWidget(seitenfeld);
    mitte->setStretchFactor(0, 3);
    mitte->setStretchFactor(1, 2);
    spalte->addWidget(mitte, 1);

    hinweisliste = new QListWidget(this);
    hinweisliste->setObjectName(QStringLiteral("hinweisliste"));
    hinweisliste->setWordWrap(true);
    hinweisliste->setMaximumHeight(hinweisliste->fontMetrics().height() * 7);
    hinweisliste->setAcceptDrops(false);
    spalte->addWidget(hinweisliste);

    auto* knoepfe = new QHBoxLayout;
    auto* datei = new QPushButton(QStringLiteral("Zeugnis&datei analysieren…"), this);
    auto* ablage =
        new QPushButton(QStringLiteral("Text aus der &Zwischenablage analysieren"), this);
    bericht = new QPushButton(QStringLiteral("Bericht als &PDF speichern…"), this);
    bericht->setObjectName(QStringLiteral("bericht"));
    bericht->setEnabled(false);
    auto* schliessen = new QPushButton(QStringLiteral("Schl&ießen"), this);
    knoepfe->addWidget(datei);
    knoepfe->addWidget(ablage);
    knoepfe->addStretch();
    knoepfe->addWidget(bericht);
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);

    connect(datei, &QPushButton::clicked, this, &Analysefenster::dateiWaehlen);
    connect(ablage, &QPushButton::clicked, this, &Analysefenster::zwischenablageAnalysieren);
    connect(bericht, &QPushButton::clicked, this, &Analysefenster::berichtSpeichern);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(saetze, &Satzansicht::satzGewaehlt, this, &Analysefenster::satzZeigen);
    connect(saetze, &Satzansicht::weiter, this,
            [this] { seitenfeld->setFocus(Qt::TabFocusReason); });
    connect(hinweisliste, &QListWidget::itemActivated, this, [this](QListWidgetItem* eintrag) {
        const QVariant satz = eintrag->data(Qt::UserRole);
        if (satz.isValid()) {
            saetze->waehlen(satz.toInt());
            saetze->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(hinweisliste, &QListWidget::itemClicked, hinweisliste, &QListWidget::itemActivated);

    setTabOrder(saetze, seitenfeld);
    setTabOrder(seitenfeld, hinweisliste);
    setTabOrder(hinweisliste, datei);
    setTabOrder(datei, ablage);
    setTabOrder(ablage, bericht);
    setTabOrder(bericht, schliessen);
    saetze->leerZeigen(QStringLiteral(
        "Ziehen Sie ein Arbeitszeugnis (PDF, Word, RTF, Text oder Velmora-Zeugnis) in dieses "
        "Fenster oder wählen Sie „Zeugnisdatei analysieren…“."));
}

bool Analysefenster::dateiAnalysieren(const QString& pfad) {
    const Analysetext gelesenerText = leser(pfad);
    if (!gelesenerText.text) {
        plattform.meldung(this, fenstertitel, gelesenerText.fehler, Meldungssymbol::Ausruf);
        return false;
    }
    textAnalysieren(*gelesenerText.text, QFileInfo(pfad).fileName());
    return true;
}

void Analysefenster::textAnalysieren(const std::string& bytes, const QString& name) {
    // The paragraphs are found in the text as the analysis reads it.
    const std::string text = istUtf8(bytes) ? bytes : windows1252NachUtf8(bytes);
    gelesen = zeugnisAnalysieren(text);
    quelle = name;
    setWindowTitle(fenstertitel + QStringLiteral(" – ") + name);
    kopf->zeigen(gelesen);
    saetze->zeigen(gelesen, satzabsaetze(text, gelesen));
    hinweisliste->clear();
    for (const Hinweis& hinweis : gelesen.hinweise) {
        auto* eintrag = new QListWidgetItem(
            q(hinweis.text) +
                (hinweis.satz ? QStringLiteral(" (Satz %1)").arg(*hinweis.satz + 1) : QString()),
            hinweisliste);
        if (hinweis.satz) {
            eintrag->setData(Qt::UserRole, *hinweis.satz);
        }
    }
    seitenfeld->clear();
    bericht->setEnabled(true);
    saetze->waehlen(0);
    saetze->setFocus(Qt::OtherFocusReason);
}

void Analysefenster::zwischenablageAnalysieren() {
    const QString text = plattform.zwischenablageText();
    if (text.trimmed().isEmpty()) {
        plattform.meldung(this, fenstertitel,
                          QStringLiteral("Die Zwischenablage enthält keinen Text."),
                          Meldungssymbol::Ausruf);
        return;
    }
    textAnalysieren(text.toStdString(), QStringLiteral("Text aus der Zwischenablage"));
}

void Analysefenster::dateiWaehlen() {
    if (const std::optional<QString> pfad =
            plattform.dateiZumOeffnen(this, QStringLiteral("Zeugnisdatei analysieren"),
                                      plattform.dokumentenordner(), dateifilter)) {
        dateiAnalysieren(*pfad);
    }
}

void Analysefenster::satzZeigen(int satz) {
    seitenfeld->setHtml(seitentext(gelesen, std::size_t(satz)));
}

void Analysefenster::berichtSpeichern() {
    const QString vorschlag =
        plattform.dokumentenordner() + QStringLiteral("/Analyse ") +
        QFileInfo(quelle).completeBaseName().replace(QLatin1Char('/'), QLatin1Char('-')) +
        QStringLiteral(".pdf");
    const std::optional<QString> pfad =
        plattform.dateiZumSpeichern(this, QStringLiteral("Bericht als PDF speichern"), vorschlag,
                                    QStringLiteral("PDF-Dokumente (*.pdf)"));
    if (!pfad) {
        return;
    }
    const QByteArray pdf = dokumentPdf(
        analysebericht(gelesen, quelle.toStdString(),
                       QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString()));
    QString fehler;
    if (!plattform.dateiErsetzen(*pfad, Dateiart::Dokument, pdf, &fehler)) {
        plattform.meldung(this, fenstertitel,
                          QStringLiteral("Der Bericht ließ sich nicht unter „%1“ speichern: %2")
                              .arg(*pfad, fehler),
                          Meldungssymbol::Ausruf);
    }
}

void Analysefenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void Analysefenster::dragEnterEvent(QDragEnterEvent* ereignis) {
    const QList<QUrl> adressen = ereignis->mimeData()->urls();
    if (!adressen.isEmpty() && adressen.first().isLocalFile()) {
        ereignis->acceptProposedAction();
    }
}

void Analysefenster::dropEvent(QDropEvent* ereignis) {
    const QList<QUrl> adressen = ereignis->mimeData()->urls();
    if (!adressen.isEmpty() && adressen.first().isLocalFile()) {
        ereignis->acceptProposedAction();
        dateiAnalysieren(adressen.first().toLocalFile());
    }
}

} // namespace velmora
