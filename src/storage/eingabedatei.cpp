#include "storage/eingabedatei.h"

#include "files/einstellungsempfaenger.h"
#include "files/textzeilen.h"

namespace velmora {

namespace {

// A text as an input box holds it: cut at the box's length.
std::string imFeld(const std::string& text) {
    if (text.size() <= feldlaenge) { // fewer bytes never hold more code units
        return text;
    }
    return QString::fromStdString(text).left(feldlaenge).toStdString();
}

// Restores into a reference what the window restores into its controls.
class Zeugnisempfaenger : public Einstellungsempfaenger {
public:
    Zeugnisdaten daten = anfangsdaten();

    void geschlechtWaehlen(int geschlecht) override { daten.geschlecht = geschlecht; }
    void textSetzen(int index, const std::string& text) override {
        daten.texte[index] = imFeld(text);
    }
    void knopfSetzen(int bereich, int knopf, bool an) override {
        int& note = daten.bereich(bereich).note;
        if (an) {
            note = knopf + 1;
        } else if (note == knopf + 1) {
            note = 0;
        }
    }
    void anzeigeSetzen(int bereich, int zustand) override {
        daten.bereich(bereich).anzeige = zustand;
    }
    // The tabs are the window's, not the reference's.
    void reiterSetzen(int, int) override {}
};

bool istZeugnisdatei(const QByteArray& inhalt, const QString& name) {
    if (name.endsWith(QStringLiteral(".zeugnis"), Qt::CaseInsensitive)) {
        return true;
    }
    const QByteArray ohneBom = inhalt.startsWith("\xEF\xBB\xBF") ? inhalt.mid(3) : inhalt;
    return ohneBom.trimmed().startsWith('{');
}

} // namespace

Zeugnisdaten zeugnisAusEinstellungen(const GeleseneEinstellungen& gelesen) {
    Zeugnisempfaenger empfaenger;
    einstellungenAnwenden(gelesen, empfaenger);
    return empfaenger.daten;
}

Zeugnislesung eingabedateiLesen(const QByteArray& inhalt, const QString& name) {
    Zeugnislesung lesung;
    if (istZeugnisdatei(inhalt, name)) {
        return zeugnisdateiLesen(inhalt, name);
    }
    const GeleseneEinstellungen gelesen =
        einstellungenLesen(std::string_view(inhalt.constData(), inhalt.size()));
    if (!gelesen[0]) {
        lesung.fehler = QStringLiteral("Die Datei „%1“ ist weder ein Zeugnis (.zeugnis) noch "
                                       "eine Einstellungsdatei von Velmora.")
                            .arg(name);
        return lesung;
    }
    lesung.datei = Zeugnisdatei{zeugnisAusEinstellungen(gelesen), {}};
    lesung.einstellungsdatei = true;
    return lesung;
}

} // namespace velmora
