#include "window/zeugnispruefung.h"

#include "compose/bewertungsbereich.h"
#include "window/angabenfelder.h"
#include "window/datum.h"
#include "window/lesart.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace velmora {

namespace {

constexpr int leistungsbeurteilung = 10;
// Sections 1 to 9 rate single abilities; the overall rating should not stray far from them.
constexpr int letzteEinzelnote = 9;

Befund inBereich(int nummer, const QString& text) {
    return {QString::fromUtf8(bewertungsbereich(nummer).name), text, {untereLeiste, nummer - 1}};
}

Befund inAngaben(int reiter, const QString& text) {
    std::string_view name =
        reiter < aufgabenReiter ? angabenreiter[reiter] : zusatzreiter[reiter - aufgabenReiter];
    QString bereich = QString::fromUtf8(name);
    bereich.remove(QLatin1Char('&'));
    return {bereich, text, {obereLeiste, reiter}};
}

// A finding about an input leads into its box.
Befund inEingabe(Eingabe eingabe, const char* text) {
    Befund befund = inAngaben(reiterDerEingabe(eingabe), QString::fromUtf8(text));
    befund.box = static_cast<int>(eingabe);
    return befund;
}

std::optional<int> gezeigteNote(const Zeugnisdaten& daten, int nummer) {
    const Bereichsangaben& b = daten.bereich(nummer);
    return b.angezeigt() && b.note > 0 ? std::optional<int>(b.note) : std::nullopt;
}

QString zahl(double wert) {
    return QLocale(QLocale::German).toString(wert, 'g', 3);
}

// The Schlussformel of a final reference says the employee leaves on their own wish unless
// Beendigungsgrund goes into the reference and says why instead.
void schlussUndBeendigung(const Zeugnisdaten& daten, std::vector<Befund>& befunde) {
    const Bereichsangaben& grund = daten.bereich(beendigungsgrund);
    if (daten.art != Zeugnisart::Endzeugnis || !gezeigteNote(daten, schlussformel) ||
        grund.imZeugnis() || grund.note < 2) {
        return;
    }
    befunde.push_back(inBereich(
        schlussformel,
        QStringLiteral("Die Schlussformel sagt, dass das Arbeitsverhältnis auf "
                       "eigenen Wunsch endet; als Beendigungsgrund ist aber „%1“ "
                       "gewählt.")
            .arg(QString::fromUtf8(grundgruppe(Zeugnisart::Endzeugnis).knoepfe[grund.note - 1]))));
}

void ohneNote(const Zeugnisdaten& daten, std::vector<Befund>& befunde) {
    for (const Bewertungsbereich& bereich : bewertungsbereiche) {
        const Bereichsangaben& b = daten.bereich(bereich.nummer);
        if (b.angezeigt() && b.note == 0) {
            befunde.push_back(inBereich(
                bereich.nummer, bereich.istBeendigungsgrund()
                                    ? QStringLiteral("Der Abschnitt erscheint im Zeugnis, aber "
                                                     "es ist nichts ausgewählt.")
                                    : QStringLiteral("Der Abschnitt erscheint im Zeugnis, hat "
                                                     "aber keine Note.")));
        }
    }
}

void platzhalter(const Zeugnisdaten& daten, std::vector<Befund>& befunde) {
    if (daten.aufgaben.eingetragen()) {
        return;
    }
    befunde.push_back(inAngaben(
        aufgabenReiter, QStringLiteral("Das Zeugnis enthält noch „Beispiel:“ und die Platzhalter "
                                       "„[Tätigkeit hier einsetzen]“. Tragen Sie die Aufgaben "
                                       "ein.")));
}

void datumsfolge(const Zeugnisdaten& daten, QDate heute, std::vector<Befund>& befunde) {
    const auto datum = [&](Eingabe e) {
        return datumLesen(QString::fromStdString(daten.text(e)), heute);
    };
    // A finding leads to the later date's box.
    struct Folge {
        Eingabe frueher;
        Eingabe spaeter;
        bool nurEndzeugnis;
        const char* text;
    };
    static constexpr Folge folgen[] = {
        {Eingabe::Austrittsdatum, Eingabe::Datum, true,
         "Das Datum des Zeugnisses liegt vor dem Austrittsdatum."},
        {Eingabe::Eintrittsdatum, Eingabe::Austrittsdatum, true,
         "Das Austrittsdatum liegt vor dem Eintrittsdatum."},
        {Eingabe::Geburtsdatum, Eingabe::Eintrittsdatum, false,
         "Das Geburtsdatum liegt nach dem Eintrittsdatum."},
    };
    for (const Folge& folge : folgen) {
        if (folge.nurEndzeugnis && daten.art != Zeugnisart::Endzeugnis) {
            continue;
        }
        const std::optional<QDate> frueher = datum(folge.frueher);
        const std::optional<QDate> spaeter = datum(folge.spaeter);
        if (frueher && spaeter && *spaeter < *frueher) {
            befunde.push_back(inEingabe(folge.spaeter, folge.text));
        }
    }
}

void notenPassen(const Zeugnisdaten& daten, std::vector<Befund>& befunde) {
    const std::optional<int> gesamt = gezeigteNote(daten, leistungsbeurteilung);
    if (!gesamt) {
        return;
    }
    double summe = 0;
    int anzahl = 0;
    for (int nummer = 1; nummer <= letzteEinzelnote; ++nummer) {
        if (const std::optional<int> note = gezeigteNote(daten, nummer)) {
            summe += *note;
            ++anzahl;
        }
    }
    if (anzahl > 0 && std::abs(*gesamt - summe / anzahl) > 1.0) {
        befunde.push_back(inBereich(
            leistungsbeurteilung,
            QStringLiteral("Die Leistungsbeurteilung (Note %1) weicht um mehr als eine Note vom "
                           "Durchschnitt der gezeigten Bereiche 1 bis 9 (%2) ab.")
                .arg(*gesamt)
                .arg(zahl(summe / anzahl))));
    }
    const std::optional<int> schluss = gezeigteNote(daten, schlussformel);
    if (schluss && std::abs(*schluss - *gesamt) > 1) {
        befunde.push_back(inBereich(
            schlussformel, QStringLiteral("Die Schlussformel (Note %1) weicht um mehr als eine "
                                          "Note von der Leistungsbeurteilung (Note %2) ab.")
                               .arg(*schluss)
                               .arg(*gesamt)));
    }
}

// Own words that the analysis reads as another grade than the one chosen.
void eigeneTexte(const Zeugnisdaten& daten, std::vector<Befund>& befunde) {
    for (const Bewertungsbereich& bereich : bewertungsbereiche) {
        const std::string& text = daten.eigenerText(bereich.nummer);
        const std::optional<int> note = gezeigteNote(daten, bereich.nummer);
        if (bereich.istBeendigungsgrund() || !note || leer(text)) {
            continue;
        }
        if (const std::optional<int> gelesen = lesart(text, bereich.nummer).note;
            gelesen && *gelesen != *note) {
            befunde.push_back(inBereich(
                bereich.nummer, QStringLiteral("Der eigene Text liest sich wie Note %1; gewählt "
                                               "ist Note %2.")
                                    .arg(*gelesen)
                                    .arg(*note)));
        }
    }
}

// The hidden codes in what the user typed (the tasks, the department, the achievements); the
// program's own texts are not read.
void codesImGetippten(const Zeugnisdaten& daten, std::vector<Befund>& befunde) {
    std::vector<std::string> texte = daten.aufgaben.liste;
    texte.push_back(daten.aufgaben.bereich);
    texte.push_back(daten.aufgaben.erfolge);
    for (const std::string& text : texte) {
        if (text.empty()) {
            continue;
        }
        for (const QString& code : getipptLesart(text).codes) {
            befunde.push_back(
                inAngaben(aufgabenReiter,
                          QStringLiteral("„%1“: %2").arg(QString::fromStdString(text), code)));
        }
    }
}

void angabenFehlen(const Zeugnisdaten& daten, std::vector<Befund>& befunde) {
    if (daten.geschlecht != herr && daten.geschlecht != frau) {
        Befund befund = inAngaben(0, QStringLiteral("Weder „Herr“ noch „Frau“ ist gewählt; das "
                                                    "Zeugnis verwendet die männlichen Formen."));
        befund.box = geschlechtsbox;
        befunde.push_back(befund);
    }
    enum class Wann { Immer, Endzeugnis, MitGeburtsangaben };
    struct Pflichtfeld {
        Eingabe eingabe;
        Wann wann;
        const char* text;
    };
    static constexpr Pflichtfeld felder[] = {
        {Eingabe::Name, Wann::Immer, "Der Name des Arbeitnehmers fehlt."},
        {Eingabe::Vorname, Wann::Immer, "Der Vorname des Arbeitnehmers fehlt."},
        {Eingabe::Geburtsdatum, Wann::MitGeburtsangaben, "Das Geburtsdatum fehlt."},
        {Eingabe::Geburtsort, Wann::MitGeburtsangaben, "Der Geburtsort fehlt."},
        {Eingabe::Taetigkeit, Wann::Immer, "Die Tätigkeit fehlt."},
        {Eingabe::Eintrittsdatum, Wann::Immer, "Das Eintrittsdatum fehlt."},
        {Eingabe::Austrittsdatum, Wann::Endzeugnis, "Das Austrittsdatum fehlt."},
        {Eingabe::Firma, Wann::Immer, "Der Arbeitgeber fehlt."},
    };
    for (const Pflichtfeld& feld : felder) {
        const bool gefragt =
            feld.wann == Wann::Immer ||
            (feld.wann == Wann::Endzeugnis && daten.art == Zeugnisart::Endzeugnis) ||
            (feld.wann == Wann::MitGeburtsangaben && daten.geburtsangaben);
        if (gefragt && leer(daten.text(feld.eingabe))) {
            befunde.push_back(inEingabe(feld.eingabe, feld.text));
        }
    }
}

} // namespace

std::vector<Befund> zeugnisPruefen(const Zeugnisdaten& daten, QDate heute) {
    std::vector<Befund> befunde;
    schlussUndBeendigung(daten, befunde);
    ohneNote(daten, befunde);
    platzhalter(daten, befunde);
    datumsfolge(daten, heute, befunde);
    notenPassen(daten, befunde);
    eigeneTexte(daten, befunde);
    angabenFehlen(daten, befunde);
    codesImGetippten(daten, befunde);
    return befunde;
}

} // namespace velmora
