#include "rtfleser.h"

#include <cctype>
#include <cstdint>
#include <stack>

#include "zeichensatz.h"

namespace velmora::test {

std::string Absatz::text() const {
    std::string t;
    for (const Lauf& lauf : laeufe) {
        t += lauf.text;
    }
    return t;
}

namespace {

struct Zustand {
    Lauf format;
    char ausrichtung = 'l';
    int uc = 1;
    bool ziel = false; // inside a destination that holds no document text
    bool schrifttabelle = false;
};

bool istKopfziel(std::string_view wort) {
    return wort == "fonttbl" || wort == "colortbl" || wort == "stylesheet" || wort == "info" ||
           wort == "listtable" || wort == "listoverridetable" || wort == "generator";
}

class Interpret {
public:
    explicit Interpret(std::string_view rtf) : rtf_(rtf) { gelesen_.absaetze.emplace_back(); }

    Gelesen lesen() {
        std::stack<Zustand> stapel;
        Zustand z;
        int ueberspringen = 0; // fallback characters after \uN still to drop
        char16_t hoch = 0;     // first half of a surrogate pair
        std::string schriftname;
        int schriftnummer = -1;
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            if (c == '{') {
                stapel.push(z);
                ++gelesen_.offeneGruppen;
                ueberspringen = 0;
                continue;
            }
            if (c == '}') {
                if (z.schrifttabelle && schriftnummer >= 0 && !stapel.empty() &&
                    !stapel.top().schrifttabelle) {
                    schriftnummer = -1;
                }
                if (stapel.empty()) {
                    gelesen_.offeneGruppen = -1;
                    break;
                }
                z = stapel.top();
                stapel.pop();
                --gelesen_.offeneGruppen;
                continue;
            }
            if (c == '\r' || c == '\n') {
                continue;
            }
            if (c != '\\') {
                if (z.schrifttabelle) {
                    if (c == ';' && schriftnummer >= 0) {
                        schriftSetzen(schriftnummer, schriftname);
                        schriftname.clear();
                    } else if (schriftnummer >= 0) {
                        schriftname += c;
                    }
                } else if (ueberspringen > 0) {
                    --ueberspringen;
                } else if (!z.ziel) {
                    textAnhaengen(z, std::string(1, c));
                }
                continue;
            }
            // A control word or symbol.
            const std::size_t name = pos_;
            while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) {
                ++pos_;
            }
            if (pos_ == name) {
                const char symbol = pos_ < rtf_.size() ? rtf_[pos_++] : '\0';
                if (symbol == '\'') {
                    const int byte = std::stoi(std::string(rtf_.substr(pos_, 2)), nullptr, 16);
                    pos_ += 2;
                    if (ueberspringen > 0) {
                        --ueberspringen;
                    } else if (!z.ziel) {
                        textAnhaengen(z, windows1252NachUtf8(std::string(1, char(byte))));
                    }
                } else if (symbol == '*') {
                    z.ziel = true;
                } else if (!z.ziel) {
                    if (ueberspringen > 0) {
                        --ueberspringen;
                    } else {
                        textAnhaengen(z, std::string(1, symbol));
                    }
                }
                continue;
            }
            const std::string wort(rtf_.substr(name, pos_ - name));
            std::optional<int> zahl;
            const std::size_t ziffern = pos_;
            if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
                ++pos_;
            }
            while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
                ++pos_;
            }
            if (pos_ > ziffern) {
                zahl = std::stoi(std::string(rtf_.substr(ziffern, pos_ - ziffern)));
            }
            if (pos_ < rtf_.size() && rtf_[pos_] == ' ') {
                ++pos_;
            }
            if (z.schrifttabelle) {
                if (wort == "f" && zahl) {
                    schriftnummer = *zahl;
                    schriftname.clear();
                }
                continue;
            }
            if (istKopfziel(wort)) {
                z.ziel = true;
                z.schrifttabelle = wort == "fonttbl";
                continue;
            }
            if (z.ziel) {
                continue;
            }
            const int wert = zahl.value_or(1);
            if (wort == "b") {
                z.format.fett = wert != 0;
            } else if (wort == "i") {
                z.format.kursiv = wert != 0;
            } else if (wort == "fs") {
                z.format.halbpunkte = wert;
            } else if (wort == "charscalex") {
                z.format.breite = wert;
            } else if (wort == "f") {
                z.format.schrift = wert;
            } else if (wort == "plain") {
                z.format = Lauf{};
            } else if (wort == "pard") {
                z.ausrichtung = 'l';
            } else if (wort == "ql" || wort == "qc" || wort == "qj" || wort == "qr") {
                z.ausrichtung = wort[1];
            } else if (wort == "uc") {
                z.uc = wert;
            } else if (wort == "u" && zahl) {
                const auto einheit = static_cast<char16_t>(static_cast<std::int16_t>(*zahl));
                if (einheit >= 0xD800 && einheit < 0xDC00) {
                    hoch = einheit;
                } else {
                    std::string t;
                    if (einheit >= 0xDC00 && einheit < 0xE000 && hoch != 0) {
                        utf8Anhaengen(0x10000 + ((hoch - 0xD800) << 10) + (einheit - 0xDC00), t);
                    } else {
                        utf8Anhaengen(einheit, t);
                    }
                    hoch = 0;
                    textAnhaengen(z, t);
                }
                ueberspringen = z.uc;
            } else if (wort == "par") {
                Absatz& absatz = gelesen_.absaetze.back();
                absatz.ausrichtung = z.ausrichtung;
                absatz.marke = z.format;
                gelesen_.absaetze.emplace_back();
            } else if (stapel.size() <= 1) {
                gelesen_.dokumentwoerter.push_back(wort + (zahl ? std::to_string(*zahl) : ""));
            }
        }
        return std::move(gelesen_);
    }

private:
    void textAnhaengen(const Zustand& z, const std::string& text) {
        Absatz& absatz = gelesen_.absaetze.back();
        absatz.ausrichtung = z.ausrichtung;
        if (absatz.laeufe.empty() || absatz.laeufe.back().fett != z.format.fett ||
            absatz.laeufe.back().kursiv != z.format.kursiv ||
            absatz.laeufe.back().halbpunkte != z.format.halbpunkte ||
            absatz.laeufe.back().breite != z.format.breite ||
            absatz.laeufe.back().schrift != z.format.schrift) {
            Lauf lauf = z.format;
            lauf.text.clear();
            absatz.laeufe.push_back(lauf);
        }
        absatz.laeufe.back().text += text;
    }

    void schriftSetzen(int nummer, std::string name) {
        while (!name.empty() && name.front() == ' ') {
            name.erase(0, 1);
        }
        if (nummer >= static_cast<int>(gelesen_.schriften.size())) {
            gelesen_.schriften.resize(nummer + 1);
        }
        gelesen_.schriften[nummer] = name;
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    Gelesen gelesen_;
};

} // namespace

Gelesen rtfLesen(std::string_view rtf) {
    return Interpret(rtf).lesen();
}

} // namespace velmora::test
