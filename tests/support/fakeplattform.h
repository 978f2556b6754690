#pragma once

#include "platform/dateischicht.h"
#include "platform/plattform.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cerrno>
#include <optional>

namespace velmora {

// A platform layer for tests: it records what the program hands out, answers as it is told,
// and keeps its folders in a temporary folder of its own. Its file layer works on real files
// there, but each operation can be told to fail, since chmod stops nothing for root.
class FakePlattform : public Plattform {
    // Declared first: the folder paths below are made inside it.
    QTemporaryDir wurzel;

    QString unterordner(const QString& name) {
        dateischicht::ordnerSichern(wurzel.filePath(name));
        return wurzel.filePath(name);
    }
    // A rename that fails as on a disk that went away.
    static int umbenennenGehtNicht(const char*, const char*) {
        errno = EIO;
        return -1;
    }
    // Fails with the given reason, if any, without touching the file.
    static bool scheitert(const std::optional<QString>& grund, QString* fehler) {
        if (grund && fehler) {
            *fehler = *grund;
        }
        return grund.has_value();
    }
    void vermerken(Dateiart art, const QString& was, const QString& pfad) {
        if (art == Dateiart::Team) {
            teamzugriffe.append(was + pfad);
        }
    }
    // The pages as they were painted, into a PDF.
    static QByteArray druckbild(const Druckauftrag& auftrag) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&puffer); // done when it goes
            pdf.setPageLayout(auftrag.papier);
            auftrag.zeichnen(pdf);
        }
        return puffer.data();
    }

public:
    // What the program handed out, in order (also what the desktop refused).
    QStringList geoeffnet;
    QStringList zwischenablage;
    QStringList gestartet;
    QStringList meldungen; // the texts of the message boxes
    QStringList protokolliert;
    // Questions, lists and file dialogs asked, each as its title and text; answered from the
    // lists below in order, and once those are used up by the first button, the first entry
    // and a cancelled file dialog.
    QStringList gefragt;
    QList<int> antworten;
    QList<Listenwahl> listenantworten;
    QList<std::optional<QString>> dateiantworten;
    // Prints and print previews asked for (print dialogs in `gefragt` as well), as PDFs.
    QList<QByteArray> gedruckt;
    QList<QByteArray> druckvorschauen;

    // How the fake answers.
    bool oeffnenGelingt = true;
    bool zwischenablageGelingt = true;
    bool startenGelingt = true;
    std::optional<QString> lesenScheitert;      // the reason given
    std::optional<QString> ersetzenScheitert;   // the reason given
    bool umbenennenScheitert = false;           // the last step of a replace
    std::optional<QString> neuAnlegenScheitert; // the reason given
    bool loeschenScheitert = false;
    Druck druck = Druck::Gedruckt; // Abgebrochen: the print dialog closed without printing
    // The clerk a team folder's lock records, and every access to a team folder's files (what
    // was done, then the path: "lesen …", "ersetzen …", "sperren …").
    Sperrvermerk arbeitsplatz{QStringLiteral("anna"), QStringLiteral("pc-anna"), {}};
    QStringList teamzugriffe;
    // The program waits two seconds; the tests' other holders keep the lock until told.
    std::chrono::milliseconds sperrwartezeit{100};

    // Each lies in the temporary folder and exists; tests may point them elsewhere.
    QString programmordnerPfad = unterordner(QStringLiteral("programm"));
    QString datenordnerPfad = unterordner(QStringLiteral("daten"));
    QString dokumentenordnerPfad = unterordner(QStringLiteral("dokumente"));

    bool oeffnen(const QString& adresse) override {
        geoeffnet.append(adresse);
        return oeffnenGelingt;
    }
    // Answers at once, as an opener that is done already.
    void dokumentOeffnen(const QString& pfad, QObject*,
                         std::function<void(bool geoeffnet)> fertig) override {
        geoeffnet.append(pfad);
        fertig(oeffnenGelingt);
    }
    bool zwischenablageSetzen(const QString& text) override {
        zwischenablage.append(text);
        return zwischenablageGelingt;
    }
    // What was set last.
    QString zwischenablageText() override {
        return zwischenablage.isEmpty() ? QString() : zwischenablage.last();
    }
    bool programmStarten(const QString& pfad) override {
        gestartet.append(pfad);
        return startenGelingt;
    }
    void meldung(QWidget*, const QString&, const QString& text, Meldungssymbol) override {
        meldungen.append(text);
    }

    void protokoll(const QString& text) override { protokolliert.append(text); }

    int frage(QWidget*, const QString& titel, const QString& text, const QStringList&) override {
        gefragt.append(titel + ": " + text);
        return antworten.isEmpty() ? 0 : antworten.takeFirst();
    }
    Listenwahl listeZeigen(QWidget*, const QString& titel, const QString& text,
                           const QStringList& eintraege, const QStringList&) override {
        gefragt.append(titel + ": " + text + " [" + eintraege.join(" | ") + "]");
        return listenantworten.isEmpty() ? Listenwahl{0, 0} : listenantworten.takeFirst();
    }
    std::optional<QString> dateiZumOeffnen(QWidget*, const QString& titel, const QString& ordner,
                                           const QString&) override {
        gefragt.append(titel + ": " + ordner);
        return dateiantworten.isEmpty() ? std::nullopt : dateiantworten.takeFirst();
    }
    std::optional<QString> dateiZumSpeichern(QWidget*, const QString& titel,
                                             const QString& vorschlag, const QString&) override {
        gefragt.append(titel + ": " + vorschlag);
        return dateiantworten.isEmpty() ? std::nullopt : dateiantworten.takeFirst();
    }
    std::optional<QString> ordnerZumWaehlen(QWidget*, const QString& titel,
                                            const QString& ordner) override {
        gefragt.append(titel + ": " + ordner);
        return dateiantworten.isEmpty() ? std::nullopt : dateiantworten.takeFirst();
    }
    Druck drucken(QWidget*, const Druckauftrag& auftrag) override {
        gefragt.append("Drucken: " + auftrag.titel);
        if (druck != Druck::Abgebrochen) {
            gedruckt.append(druckbild(auftrag));
        }
        return druck;
    }
    void druckvorschau(QWidget*, const Druckauftrag& auftrag) override {
        druckvorschauen.append(druckbild(auftrag));
    }
    QString programmordner() const override { return programmordnerPfad; }
    QString datenordner() override { return datenordnerPfad; }
    QString dokumentenordner() override { return dokumentenordnerPfad; }
    bool ordnerAnlegen(const QString& pfad) override { return dateischicht::ordnerSichern(pfad); }

    std::optional<QByteArray> dateiLesen(const QString& pfad, Dateiart art, qint64 hoechstens,
                                         QString* fehler) override {
        vermerken(art, QStringLiteral("lesen "), pfad);
        return scheitert(lesenScheitert, fehler)
                   ? std::nullopt
                   : dateischicht::lesen(pfad, art, hoechstens, fehler);
    }
    bool dateiErsetzen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                       QString* fehler) override {
        vermerken(art, QStringLiteral("ersetzen "), pfad);
        return !scheitert(ersetzenScheitert, fehler) &&
               dateischicht::ersetzen(pfad, art, inhalt, fehler,
                                      umbenennenScheitert ? umbenennenGehtNicht : ::rename);
    }
    Neuanlage dateiNeuAnlegen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                              QString* fehler) override {
        return scheitert(neuAnlegenScheitert, fehler)
                   ? Neuanlage::Fehler
                   : dateischicht::neuAnlegen(pfad, art, inhalt, fehler);
    }
    bool dateiVorhanden(const QString& pfad, Dateiart art) override {
        return dateischicht::vorhanden(pfad, art);
    }
    bool dateiLoeschen(const QString& pfad, QString* fehler) override {
        return !loeschenScheitert && dateischicht::loeschen(pfad, fehler);
    }
    Sperrversuch teamordnerSperren(const QString& ordner) override {
        teamzugriffe.append(QStringLiteral("sperren ") + ordner);
        Sperrvermerk ich = arbeitsplatz;
        ich.seit = QDateTime::currentDateTime();
        return dateischicht::teamSperren(ordner, ich, sperrwartezeit);
    }
};

} // namespace velmora
