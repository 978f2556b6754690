#include "analyse/analyseausgabe.h"

#include "compose/bewertungsbereich.h"

#include <cstdio>

namespace velmora {

namespace {

constexpr int jsonVersion = 1;

void zeichenkette(std::string_view text, std::string& ziel) {
    ziel += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            ziel += "\\\"";
            break;
        case '\\':
            ziel += "\\\\";
            break;
        case '\n':
            ziel += "\\n";
            break;
        case '\t':
            ziel += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char zeichen[8];
                std::snprintf(zeichen, sizeof zeichen, "\\u%04x", static_cast<unsigned char>(c));
                ziel += zeichen;
            } else {
                ziel += c;
            }
        }
    }
    ziel += '"';
}

template <typename T> void wert(const std::optional<T>& w, std::string& ziel) {
    if (!w) {
        ziel += "null";
    } else if constexpr (std::is_same_v<T, int>) {
        ziel += std::to_string(*w);
    } else {
        zeichenkette(*w, ziel);
    }
}

template <typename Liste> void liste(const Liste& eintraege, std::string& ziel) {
    ziel += '[';
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        ziel += i ? ", " : "";
        zeichenkette(eintraege[i], ziel);
    }
    ziel += ']';
}

std::string_view artname(Zeugnistyp art) {
    switch (art) {
    case Zeugnistyp::Endzeugnis:
        return "endzeugnis";
    case Zeugnistyp::Zwischenzeugnis:
        return "zwischenzeugnis";
    case Zeugnistyp::Unbekannt:
        break;
    }
    return "unbekannt";
}

std::string bereichsname(const Satzanalyse& s, Zeugnistyp art) {
    if (s.bereich == 0) {
        return "ohne Bewertung";
    }
    if (s.bereich == beendigungsgrund) {
        return art == Zeugnistyp::Zwischenzeugnis || s.anlass ? "Ausstellungsgrund"
                                                              : "Beendigungsgrund";
    }
    return std::string(bewertungsbereich(s.bereich).name);
}

} // namespace

std::string analyseAlsJson(const Analyse& a) {
    std::string j =
        "{\"format\": \"velmora-analyse\", \"version\": " + std::to_string(jsonVersion) +
        ", \"art\": ";
    zeichenkette(artname(a.art), j);
    j += ", \"gesamtnote\": ";
    wert(a.gesamtnote, j);
    j += ", \"saetze\": [";
    for (std::size_t i = 0; i < a.saetze.size(); ++i) {
        const Satzanalyse& s = a.saetze[i];
        j += i ? ", {\"text\": " : "{\"text\": ";
        zeichenkette(s.text, j);
        j += ", \"bereich\": " + std::to_string(s.bereich) + ", \"note\": ";
        wert(s.note, j);
        j += ", \"grund\": ";
        wert(s.grund, j);
        j += ", \"anlass\": ";
        wert(s.anlass, j);
        j += ", \"signale\": ";
        liste(s.signale, j);
        j += ", \"codes\": ";
        liste(s.codes, j);
        j += '}';
    }
    j += "], \"hinweise\": [";
    for (std::size_t i = 0; i < a.hinweise.size(); ++i) {
        const Hinweis& h = a.hinweise[i];
        j += i ? ", {\"art\": " : "{\"art\": ";
        zeichenkette(h.art, j);
        j += ", \"code\": ";
        wert(h.code, j);
        j += ", \"bereich\": ";
        wert(h.bereich, j);
        j += ", \"text\": ";
        zeichenkette(h.text, j);
        j += ", \"satz\": ";
        wert(h.satz, j);
        j += '}';
    }
    j += "]}\n";
    return j;
}

std::string analyseAlsText(const Analyse& a) {
    std::string t = "Zeugnisart: ";
    t += a.art == Zeugnistyp::Endzeugnis        ? "Endzeugnis"
         : a.art == Zeugnistyp::Zwischenzeugnis ? "Zwischenzeugnis"
                                                : "unbekannt";
    t += "\n\nSatz  Note  Bereich\n";
    for (std::size_t i = 0; i < a.saetze.size(); ++i) {
        const Satzanalyse& s = a.saetze[i];
        char kopf[32];
        std::snprintf(kopf, sizeof kopf, "%4zu  ", i + 1);
        t += kopf;
        t += s.note ? "  " + std::to_string(*s.note) + "   " : "  –   ";
        t += bereichsname(s, a.art);
        if (s.grund || s.anlass) {
            t += " (" + std::string(s.grund ? *s.grund : *s.anlass) + ")";
        }
        t += "\n      " + s.text + "\n";
        if (!s.signale.empty()) {
            t += "      entscheidend: ";
            for (std::size_t k = 0; k < s.signale.size(); ++k) {
                t += (k ? ", „" : "„") + s.signale[k] + "“";
            }
            t += '\n';
        }
    }
    if (!a.hinweise.empty()) {
        t += "\nHinweise:\n";
        for (const Hinweis& h : a.hinweise) {
            t += "  – " + h.text;
            t += h.satz ? " (Satz " + std::to_string(*h.satz + 1) + ")\n" : "\n";
        }
    }
    t += "\nGesamtnote: ";
    t += a.gesamtnote ? std::to_string(*a.gesamtnote) + "\n"
                      : "– (das Zeugnis enthält keine Zufriedenheitsformel)\n";
    return t;
}

} // namespace velmora
