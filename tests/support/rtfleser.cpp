#include "support/rtfleser.h"

#include "encoding/zeichensatz.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace velmora::test {

namespace {

struct Zustand {
    bool fett = false, kursiv = false, ziel = false;
    int halbpunkte = 24, breite = 100, schrift = 0;
    char ausrichtung = 'l';

    std::string format() const {
        std::string f = fett ? "b" : "";
        f += kursiv ? "i" : "";
        f += std::to_string(halbpunkte);
        f += '/';
        f += std::to_string(breite);
        return f;
    }
};

} // namespace

Gelesen rtfLesen(std::string_view rtf) {
    Gelesen gelesen;
    gelesen.absaetze.emplace_back();
    std::vector<Zustand> stapel;
    Zustand z;
    std::string letztesFormat; // of the run the current paragraph ends with
    bool fallbackUeberspringen = false;
    char16_t hoch = 0; // first half of a surrogate pair
    const auto text = [&](const std::string& t) {
        if (fallbackUeberspringen) {
            fallbackUeberspringen = false;
            return;
        }
        if (z.ziel) {
            return;
        }
        Absatz& absatz = gelesen.absaetze.back();
        if (absatz.text.empty() && gelesen.schrift < 0) {
            gelesen.schrift = z.schrift;
        }
        if (z.format() != letztesFormat || absatz.text.empty()) {
            if (!absatz.format.empty()) {
                absatz.format += ' ';
            }
            absatz.format += z.format();
            letztesFormat = z.format();
        }
        absatz.text += t;
        absatz.ausrichtung = z.ausrichtung;
    };
    for (std::size_t pos = 0; pos < rtf.size();) {
        const char c = rtf[pos++];
        if (c == '{') {
            stapel.push_back(z);
        } else if (c == '}') {
            if (stapel.empty()) {
                gelesen.offeneGruppen = -1;
                break;
            }
            z = stapel.back();
            stapel.pop_back();
        } else if (c != '\\') {
            if (c != '\r' && c != '\n') {
                text(std::string(1, c));
            }
        } else if (!std::isalpha(static_cast<unsigned char>(rtf[pos]))) {
            const char symbol = rtf[pos++];
            if (symbol == '*') {
                z.ziel = true;
            } else if (symbol == '\'') {
                text(windows1252NachUtf8(std::string(
                    1,
                    static_cast<char>(std::stoi(std::string(rtf.substr(pos, 2)), nullptr, 16)))));
                pos += 2;
            } else {
                text(std::string(1, symbol));
            }
        } else {
            const std::size_t anfang = pos;
            while (pos < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[pos]))) {
                ++pos;
            }
            const std::string wort(rtf.substr(anfang, pos - anfang));
            const std::size_t ziffern = pos;
            while (pos < rtf.size() && (std::isdigit(static_cast<unsigned char>(rtf[pos])) ||
                                        (pos == ziffern && rtf[pos] == '-'))) {
                ++pos;
            }
            const int wert =
                pos > ziffern ? std::stoi(std::string(rtf.substr(ziffern, pos - ziffern))) : 1;
            if (pos < rtf.size() && rtf[pos] == ' ') {
                ++pos;
            }
            if (wort == "fonttbl" || wort == "colortbl" || wort == "stylesheet" || wort == "info" ||
                wort == "pict") {
                z.ziel = true;
            } else if (z.ziel) {
            } else if (wort == "b" || wort == "i") {
                (wort == "b" ? z.fett : z.kursiv) = wert != 0;
            } else if (wort == "fs" || wort == "charscalex" || wort == "f") {
                (wort == "fs" ? z.halbpunkte : wort == "f" ? z.schrift : z.breite) = wert;
            } else if (wort == "pard" || wort == "ql" || wort == "qc" || wort == "qj") {
                z.ausrichtung = wort == "pard" ? 'l' : wort[1];
            } else if (wort == "u") {
                const auto einheit = static_cast<char16_t>(static_cast<std::int16_t>(wert));
                if (einheit >= 0xD800 && einheit < 0xDC00) {
                    hoch = einheit;
                } else {
                    std::string t;
                    utf8Anhaengen(einheit >= 0xDC00 && einheit < 0xE000
                                      ? 0x10000 + ((hoch - 0xD800) << 10) + (einheit - 0xDC00)
                                      : einheit,
                                  t);
                    text(t);
                }
                fallbackUeberspringen = true;
            } else if (wort == "tab") {
                text("\t");
            } else if (wort == "par") {
                Absatz& absatz = gelesen.absaetze.back();
                absatz.ausrichtung = z.ausrichtung;
                if (absatz.format.empty()) {
                    absatz.format = z.format();
                }
                gelesen.absaetze.emplace_back();
            }
        }
    }
    gelesen.offeneGruppen = gelesen.offeneGruppen < 0 ? -1 : static_cast<int>(stapel.size());
    return gelesen;
}

} // namespace velmora::test
