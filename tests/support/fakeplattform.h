#pragma once

#include "platform/dateischicht.h"
#include "platform/plattform.h"

#include <QStringList>
#include <QTemporaryDir>

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
    // Fails with the given reason, if any, without touching the file.
    static bool scheitert(const std::optional<QString>& grund, QString* fehler) {
        if (grund && fehler) {
            *fehler = *grund;
        }
        return grund.has_value();
    }

public:
    struct Meldung {
        QWidget* besitzer;
        QString titel;
        QString text;
        Meldungssymbol symbol;
    };

    // What the program handed out, in order.
    QStringList geoeffnet;
    QStringList zwischenablage;
    QStringList gestartet;
    QList<Meldung> meldungen;
    QStringList protokolliert;

    // How the fake answers.
    bool oeffnenGelingt = true;
    bool zwischenablageGelingt = true;
    bool startenGelingt = true;
    bool lesenScheitert = false;
    std::optional<QString> ersetzenScheitert;   // the reason given
    std::optional<QString> neuAnlegenScheitert; // the reason given
    bool loeschenScheitert = false;

    // Each lies in the temporary folder and exists; tests may point them elsewhere.
    QString programmordnerPfad = unterordner(QStringLiteral("programm"));
    QString datenordnerPfad = unterordner(QStringLiteral("daten"));
    QString dokumentenordnerPfad = unterordner(QStringLiteral("dokumente"));

    // The last text put on the clipboard, empty when none.
    QString zwischenablageText() const { return zwischenablage.value(zwischenablage.size() - 1); }

    bool oeffnen(const QString& adresse) override {
        geoeffnet.append(adresse);
        return oeffnenGelingt;
    }
    bool zwischenablageSetzen(const QString& text) override {
        if (zwischenablageGelingt) {
            zwischenablage.append(text);
        }
        return zwischenablageGelingt;
    }
    bool programmStarten(const QString& pfad) override {
        gestartet.append(pfad);
        return startenGelingt;
    }
    void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                 Meldungssymbol symbol) override {
        meldungen.append({besitzer, titel, text, symbol});
    }

    void protokoll(const QString& text) override { protokolliert.append(text); }

    QString programmordner() const override { return programmordnerPfad; }
    QString datenordner() override { return datenordnerPfad; }
    QString dokumentenordner() override { return dokumentenordnerPfad; }

    std::optional<QByteArray> dateiLesen(const QString& pfad, qint64 hoechstens) override {
        return lesenScheitert ? std::nullopt : dateischicht::lesen(pfad, hoechstens);
    }
    bool dateiErsetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler) override {
        return !scheitert(ersetzenScheitert, fehler) &&
               dateischicht::ersetzen(pfad, inhalt, fehler);
    }
    Neuanlage dateiNeuAnlegen(const QString& pfad, const QByteArray& inhalt,
                              QString* fehler) override {
        return scheitert(neuAnlegenScheitert, fehler)
                   ? Neuanlage::Fehler
                   : dateischicht::neuAnlegen(pfad, inhalt, fehler);
    }
    bool dateiVorhanden(const QString& pfad) override { return dateischicht::vorhanden(pfad); }
    bool dateiLoeschen(const QString& pfad) override {
        return !loeschenScheitert && dateischicht::loeschen(pfad);
    }
};

} // namespace velmora
