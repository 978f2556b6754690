#include "window/bausteinablage.h"

#include "platform/dateigrund.h"
#include "storage/textbausteine.h"

namespace velmora {

Bausteinablage::Bausteinablage(Plattform& plattform, QObject* eltern)
    : QObject(eltern), plattform(plattform) {}

QString Bausteinablage::pfad() const {
    return eigenerPfad(plattform, textbausteindateiname);
}

Eigenlesung Bausteinablage::lesen() const {
    const QString datei = pfad();
    Eigenlesung lesung = eigeneDateiLesen(plattform, datei);
    if (lesung.fehler) {
        lesung.fehler = dateimeldung(
            QStringLiteral("Die Textbausteine aus „%1“ können nicht gelesen werden: %2"), datei,
            *lesung.fehler);
    }
    return lesung;
}

std::optional<QString> Bausteinablage::schreiben(const QByteArray& inhalt) const {
    const QString ziel = pfad();
    QString fehler;
    if (ziel.isEmpty()) {
        return QStringLiteral("Die Textbausteine können nicht gespeichert werden: Es gibt "
                              "keinen Ordner, in den das Programm schreiben kann.");
    }
    if (plattform.dateiErsetzen(ziel, Dateiart::Eigen, inhalt, &fehler)) {
        return std::nullopt;
    }
    return dateimeldung(
        QStringLiteral("Die Textbausteine können nicht in „%1“ gespeichert werden: %2"), ziel,
        fehler);
}

const Textbausteine& Bausteinablage::bausteine() {
    if (!geladen) {
        laden();
    }
    return liste;
}

void Bausteinablage::laden() {
    geladen = true;
    lesefehler.clear();
    liste.clear();
    const Eigenlesung lesung = lesen();
    if (lesung.fehler) {
        lesefehler = *lesung.fehler;
    } else if (lesung.inhalt) {
        Bausteinlesung gelesen = textbausteineLesen(*lesung.inhalt, pfad());
        if (gelesen.bausteine) {
            liste = std::move(*gelesen.bausteine);
        } else {
            lesefehler = gelesen.fehler;
        }
    }
    if (!lesefehler.isEmpty()) {
        emit hinweis(lesefehler);
    }
}

bool Bausteinablage::speichern(const Textbausteine& neu) {
    bausteine();
    liste = neu;
    std::optional<QString> fehler;
    if (!lesefehler.isEmpty()) {
        fehler = lesefehler;
    } else {
        fehler = schreiben(textbausteineSchreiben(neu));
    }
    if (fehler) {
        emit hinweis(*fehler + QStringLiteral(" Die Änderung an den Textbausteinen gilt nur, bis "
                                              "Velmora beendet wird."));
        return false;
    }
    emit geaendert();
    return true;
}

} // namespace velmora
