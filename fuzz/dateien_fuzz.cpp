// Feeds arbitrary bytes to the readers of arbeitszeugnis.ini and übergabe.ini. Every value
// handed to the window must be in range, and what was read must save and load unchanged.
// The same bytes as a reference to analyse: sentences without line breaks or blanks at their
// ends, every section and grade in range. And as an RTF or Word document: text or a message,
// never both.

#include "analyse/analyse.h"
#include "einlesen/docxleser.h"
#include "einlesen/rtfleser.h"
#include "encoding/zeichensatz.h"
#include "files/einstellungen.h"
#include "files/textzeilen.h"
#include "files/uebergabe.h"
#include "support/zustandsempfaenger.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace velmora;

namespace {

void pruefen(bool bedingung, const char* was) {
    if (!bedingung) {
        std::fprintf(stderr, "Verletzt: %s\n", was);
        std::abort();
    }
}

bool imBereich(int wert, int kleinster, int groesster) {
    return wert >= kleinster && wert <= groesster;
}

// UTF-8 whose only control character is `erlaubt`: a tab in the window's boxes, the line end
// in a document's text as the readers hand it on.
bool sauber(const std::string& text, char32_t erlaubt) {
    if (!istUtf8(text)) {
        return false;
    }
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t cp = naechsterCodepunkt(text, pos);
        if ((cp < 0x20 && cp != erlaubt) || (cp >= 0x7F && cp <= 0x9F)) {
            return false;
        }
    }
    return true;
}

bool fensterText(const std::string& text) {
    return sauber(text, U'\t');
}

bool dokumentText(const std::string& text) {
    return sauber(text, U'\n');
}

class PruefenderEmpfaenger : public Zustandsempfaenger {
public:
    void geschlechtWaehlen(int geschlecht) override {
        pruefen(imBereich(geschlecht, keinGeschlecht, frau), "Geschlecht -1..1");
        Zustandsempfaenger::geschlechtWaehlen(geschlecht);
    }
    void textSetzen(int index, const std::string& text) override {
        pruefen(imBereich(index, 0, anzahlEingaben - 1), "Textfeld 0..9");
        pruefen(fensterText(text), "Text in UTF-8 ohne Steuerzeichen ausser Tab");
        Zustandsempfaenger::textSetzen(index, text);
    }
    void knopfSetzen(int bereich, int knopf, bool an) override {
        pruefen(imBereich(bereich, 1, anzahlBereiche), "Bereich 1..13");
        pruefen(imBereich(knopf, 0, bewertungsbereich(bereich).stufen() - 1), "Knopf der Gruppe");
        Zustandsempfaenger::knopfSetzen(bereich, knopf, an);
    }
    void anzeigeSetzen(int bereich, int wert) override {
        pruefen(imBereich(bereich, 1, anzahlBereiche), "Bereich 1..13");
        pruefen(imBereich(wert, anzeigeAus, anzeigeGrau), "Anzeige 0..2");
        Zustandsempfaenger::anzeigeSetzen(bereich, wert);
    }
    void reiterSetzen(int leiste, int index) override {
        pruefen(imBereich(leiste, untereLeiste, obereLeiste), "Leiste 0..1");
        pruefen(imBereich(index, 0, reiterJeLeiste[leiste] - 1), "Reiter der Leiste");
        Zustandsempfaenger::reiterSetzen(leiste, index);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view datei(reinterpret_cast<const char*>(daten), groesse);

    PruefenderEmpfaenger empfaenger;
    einstellungenAnwenden(einstellungenLesen(datei), empfaenger);
    const std::string gespeichert = einstellungenSchreiben(empfaenger.zustand);
    pruefen(gespeichert.size() <= anzahlEinstellungszeilen * (hoechsteZeilenlaenge + 2),
            "Dateigroesse");
    const GeleseneEinstellungen wiedergelesen = einstellungenLesen(gespeichert);
    for (const auto& wert : wiedergelesen) {
        pruefen(wert.has_value(), "jede geschriebene Zeile ist lesbar");
    }
    PruefenderEmpfaenger zweiter;
    einstellungenAnwenden(wiedergelesen, zweiter);
    pruefen(einstellungenSchreiben(zweiter.zustand) == gespeichert,
            "Schreiben, Lesen, Schreiben gibt dieselben Bytes");

    const Analyse analyse = zeugnisAnalysieren(datei);
    for (const Satzanalyse& satz : analyse.saetze) {
        pruefen(!satz.text.empty() && istUtf8(satz.text), "Satz nicht leer, in UTF-8");
        pruefen(satz.text.find('\n') == std::string::npos && satz.text.front() != ' ' &&
                    satz.text.back() != ' ',
                "Satz ohne Zeilenumbruch und Leerzeichen am Rand");
        pruefen(imBereich(satz.bereich, 0, anzahlBereiche), "Bereich 0..13");
        pruefen(!satz.note || imBereich(*satz.note, 1, 6), "Note 1..6");
    }
    for (const Hinweis& hinweis : analyse.hinweise) {
        pruefen(!hinweis.satz || imBereich(*hinweis.satz, 0, int(analyse.saetze.size()) - 1),
                "Hinweis auf einen Satz der Analyse");
    }

    const auto uebergabe = uebergabeLesen(datei);
    pruefen(uebergabe.size() <= anzahlEingaben, "hoechstens zehn Uebergabetexte");
    for (const auto& text : uebergabe) {
        pruefen(!text || fensterText(*text),
                "Uebergabetext in UTF-8 ohne Steuerzeichen ausser Tab");
    }

    for (const Eingelesen& gelesen : {rtfLesen(datei), docxLesen(datei)}) {
        pruefen(gelesen.gelesen() ? dokumentText(gelesen.text)
                                  : gelesen.text.empty() && istUtf8(gelesen.fehler),
                "Dokument: Text in UTF-8 ohne Steuerzeichen ausser Zeilenende, oder eine Meldung");
    }
    return 0;
}
