#include "fakeplattform.h"

#include "dateischicht.h"

namespace velmora {

namespace {

QString unterordner(const QTemporaryDir& wurzel, const QString& name) {
    const QString pfad = wurzel.filePath(name);
    dateischicht::ordnerSichern(pfad);
    return pfad;
}

bool scheitern(const std::optional<QString>& grund, QString* fehler) {
    if (!grund) {
        return false;
    }
    if (fehler) {
        *fehler = *grund;
    }
    return true;
}

} // namespace

FakePlattform::FakePlattform()
    : programmordnerPfad(unterordner(wurzel, QStringLiteral("programm"))),
      datenordnerPfad(unterordner(wurzel, QStringLiteral("daten"))),
      dokumentenordnerPfad(unterordner(wurzel, QStringLiteral("dokumente"))) {}

QString FakePlattform::zwischenablageText() const {
    return zwischenablage.isEmpty() ? QString() : zwischenablage.last();
}

bool FakePlattform::oeffnen(const QString& adresse) {
    geoeffnet.append(adresse);
    return oeffnenGelingt;
}

bool FakePlattform::zwischenablageSetzen(const QString& text) {
    if (!zwischenablageGelingt) {
        return false;
    }
    zwischenablage.append(text);
    return true;
}

bool FakePlattform::programmStarten(const QString& pfad) {
    gestartet.append(pfad);
    return startenGelingt;
}

void FakePlattform::meldung(QWidget* besitzer, const QString& titel, const QString& text,
                            Meldungssymbol symbol) {
    meldungen.append({besitzer, titel, text, symbol});
}

QString FakePlattform::programmordner() const {
    return programmordnerPfad;
}

QString FakePlattform::datenordner() {
    return datenordnerPfad;
}

QString FakePlattform::dokumentenordner() {
    return dokumentenordnerPfad;
}

std::optional<QByteArray> FakePlattform::dateiLesen(const QString& pfad, qint64 hoechstens) {
    if (lesenScheitert) {
        return std::nullopt;
    }
    return dateischicht::lesen(pfad, hoechstens);
}

bool FakePlattform::dateiErsetzen(const QString& pfad, const QByteArray& inhalt, QString* fehler) {
    return !scheitern(ersetzenScheitert, fehler) && dateischicht::ersetzen(pfad, inhalt, fehler);
}

bool FakePlattform::dateiNeuAnlegen(const QString& pfad, const QByteArray& inhalt,
                                    QString* fehler) {
    return !scheitern(neuAnlegenScheitert, fehler) &&
           dateischicht::neuAnlegen(pfad, inhalt, fehler);
}

bool FakePlattform::dateiVorhanden(const QString& pfad) {
    return dateischicht::vorhanden(pfad);
}

bool FakePlattform::dateiLoeschen(const QString& pfad) {
    return !loeschenScheitert && dateischicht::loeschen(pfad);
}

} // namespace velmora
