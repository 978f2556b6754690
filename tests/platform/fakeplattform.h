#pragma once

#include "plattform.h"

#include <QList>
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

public:
    struct Meldung {
        QWidget* besitzer;
        QString titel;
        QString text;
        Meldungssymbol symbol;
    };

    FakePlattform();

    // What the program handed out, in order.
    QStringList geoeffnet;
    QStringList zwischenablage;
    QStringList gestartet;
    QList<Meldung> meldungen;

    // How the fake answers.
    bool oeffnenGelingt = true;
    bool zwischenablageGelingt = true;
    bool startenGelingt = true;
    bool lesenScheitert = false;
    std::optional<QString> ersetzenScheitert;   // the reason given
    std::optional<QString> neuAnlegenScheitert; // the reason given
    bool loeschenScheitert = false;

    // The folders; each lies in the temporary folder and exists. Tests may point them
    // elsewhere, for instance the data folder at the program folder.
    QString programmordnerPfad;
    QString datenordnerPfad;
    QString dokumentenordnerPfad;

    // The last text put on the clipboard, empty when none.
    QString zwischenablageText() const;

    bool oeffnen(const QString& adresse) override;
    bool zwischenablageSetzen(const QString& text) override;
    bool programmStarten(const QString& pfad) override;
    void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                 Meldungssymbol symbol) override;

    QString programmordner() const override;
    QString datenordner() override;
    QString dokumentenordner() override;

    std::optional<QByteArray> dateiLesen(const QString& pfad, qint64 hoechstens) override;
    bool dateiErsetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler) override;
    bool dateiNeuAnlegen(const QString& pfad, const QByteArray& inhalt, QString* fehler) override;
    bool dateiVorhanden(const QString& pfad) override;
    bool dateiLoeschen(const QString& pfad) override;
};

} // namespace velmora
