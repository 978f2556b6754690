#pragma once

#include "platform/plattform.h"

namespace velmora {

// What the real platform layer takes from the desktop it runs on; tests point it elsewhere.
struct Umgebung {
    QString programmordner;
    // The program that opens a document and tells by its exit status whether it could; empty:
    // Qt's desktop services, which cannot tell.
    QString oeffner;
};

// The program's own folder and xdg-open, when it is found in PATH.
Umgebung desktopUmgebung();

// The platform layer of the running program: desktop handler, clipboard, processes,
// message boxes and the real file system.
class QtPlattform : public Plattform {
public:
    explicit QtPlattform(Umgebung umgebung = desktopUmgebung());

    bool oeffnen(const QString& adresse) override;
    void dokumentOeffnen(const QString& pfad, QObject* kontext,
                         std::function<void(bool geoeffnet)> fertig) override;
    bool zwischenablageSetzen(const QString& text) override;
    QString zwischenablageText() override;
    bool programmStarten(const QString& pfad) override;
    void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                 Meldungssymbol symbol) override;
    int frage(QWidget* besitzer, const QString& titel, const QString& text,
              const QStringList& knoepfe) override;
    Listenwahl listeZeigen(QWidget* besitzer, const QString& titel, const QString& text,
                           const QStringList& eintraege, const QStringList& knoepfe) override;
    std::optional<QString> dateiZumOeffnen(QWidget* besitzer, const QString& titel,
                                           const QString& ordner, const QString& filter) override;
    std::optional<QString> dateiZumSpeichern(QWidget* besitzer, const QString& titel,
                                             const QString& vorschlag,
                                             const QString& filter) override;
    std::optional<QString> ordnerZumWaehlen(QWidget* besitzer, const QString& titel,
                                            const QString& ordner) override;
    Druck drucken(QWidget* besitzer, const Druckauftrag& auftrag) override;
    void druckvorschau(QWidget* besitzer, const Druckauftrag& auftrag) override;
    void protokoll(const QString& text) override;

    QString programmordner() const override;
    QString datenordner() override;
    QString dokumentenordner() override;
    bool ordnerAnlegen(const QString& pfad) override;

    std::optional<QByteArray> dateiLesen(const QString& pfad, Dateiart art, qint64 hoechstens,
                                         QString* fehler) override;
    bool dateiErsetzen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                       QString* fehler) override;
    Neuanlage dateiNeuAnlegen(const QString& pfad, Dateiart art, const QByteArray& inhalt,
                              QString* fehler) override;
    bool dateiVorhanden(const QString& pfad, Dateiart art) override;
    bool dateiLoeschen(const QString& pfad, QString* fehler) override;
    Sperrversuch teamordnerSperren(const QString& ordner) override;

private:
    Umgebung umgebung;
    std::optional<QString> gewaehlterDatenordner;
};

// The data folder for a program folder: the folder itself when a file can really be created
// there, else the user's configuration folder for the program (created here). Empty when
// neither can be had.
QString datenordnerFuer(const QString& programmordner);

} // namespace velmora
