#pragma once

#include "platform/plattform.h"

namespace velmora {

// The platform layer of the running program: desktop handler, clipboard, processes,
// message boxes and the real file system.
class QtPlattform : public Plattform {
public:
    bool oeffnen(const QString& adresse) override;
    bool zwischenablageSetzen(const QString& text) override;
    bool programmStarten(const QString& pfad) override;
    void meldung(QWidget* besitzer, const QString& titel, const QString& text,
                 Meldungssymbol symbol) override;
    void protokoll(const QString& text) override;

    QString programmordner() const override;
    QString datenordner() override;
    QString dokumentenordner() override;

    std::optional<QByteArray> dateiLesen(const QString& pfad, qint64 hoechstens) override;
    bool dateiErsetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler) override;
    Neuanlage dateiNeuAnlegen(const QString& pfad, const QByteArray& inhalt,
                              QString* fehler) override;
    bool dateiVorhanden(const QString& pfad) override;
    bool dateiLoeschen(const QString& pfad) override;
};

// The data folder for a program folder: the folder itself when a file can really be created
// there, else the user's configuration folder for the program (created here). Empty when
// neither can be had.
QString datenordnerFuer(const QString& programmordner);

} // namespace velmora
