#include "output/ablage.h"

namespace velmora {

namespace {

// More documents of that name in one folder than anyone keeps by hand.
constexpr int hoechsteNummer = 9999;

std::string pfadIn(std::string_view ordner, const std::string& name) {
    std::string pfad(ordner);
    if (!pfad.empty() && pfad.back() != '/') {
        pfad += '/';
    }
    return pfad + name;
}

// "Zeugnis.doc" for the first, "Zeugnis (2).doc" for the second, and so on.
std::string zeugnisdateiname(int nummer, std::string_view endung) {
    const std::string name =
        nummer <= 1 ? std::string("Zeugnis") : "Zeugnis (" + std::to_string(nummer) + ")";
    return name + "." + std::string(endung);
}

} // namespace

Ablage zeugnisAblegen(std::string_view ordner, const DateiAnlegen& anlegen,
                      std::string_view endung) {
    for (int nummer = 1; nummer <= hoechsteNummer; ++nummer) {
        const std::string pfad = pfadIn(ordner, zeugnisdateiname(nummer, endung));
        const Anlegeergebnis ergebnis = anlegen(pfad);
        switch (ergebnis.art) {
        case Anlegeergebnis::Art::Angelegt:
            return {pfad, {}};
        case Anlegeergebnis::Art::Vorhanden:
            continue;
        case Anlegeergebnis::Art::Fehler:
            return {std::nullopt, "Das Zeugnis konnte nicht als \"" + pfad +
                                      "\" gespeichert werden: " + ergebnis.grund};
        }
    }
    return {std::nullopt, "Das Zeugnis konnte nicht gespeichert werden: Im Ordner \"" +
                              std::string(ordner) + "\" sind alle Namen von \"" +
                              zeugnisdateiname(1, endung) + "\" bis \"" +
                              zeugnisdateiname(hoechsteNummer, endung) + "\" vergeben."};
}

} // namespace velmora
