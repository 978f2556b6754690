#include "einlesen/xmlleser.h"

#include "encoding/zeichensatz.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace velmora {

namespace {

using namespace std::string_view_literals;

struct Entitaet {
    std::string_view name;
    char zeichen;
};
constexpr std::array entitaeten{Entitaet{"lt"sv, '<'}, Entitaet{"gt"sv, '>'},
                                Entitaet{"amp"sv, '&'}, Entitaet{"quot"sv, '"'},
                                Entitaet{"apos"sv, '\''}};

// Resolves the references of text or an attribute value; false on an unknown or broken one.
bool aufloesen(std::string_view roh, std::string& ziel) {
    for (std::size_t pos = 0; pos < roh.size();) {
        const std::size_t und = roh.find('&', pos);
        ziel += roh.substr(pos, und - pos);
        if (und == std::string_view::npos) {
            break;
        }
        const std::size_t semikolon = roh.find(';', und);
        if (semikolon == std::string_view::npos) {
            return false;
        }
        const std::string_view name = roh.substr(und + 1, semikolon - und - 1);
        pos = semikolon + 1;
        if (name.starts_with('#')) {
            const bool hex = name.starts_with("#x");
            const std::string_view ziffern = name.substr(hex ? 2 : 1);
            std::uint32_t codepunkt = 0;
            const auto [ende, fehler] = std::from_chars(
                ziffern.data(), ziffern.data() + ziffern.size(), codepunkt, hex ? 16 : 10);
            if (fehler != std::errc() || ende != ziffern.data() + ziffern.size() ||
                codepunkt > 0x10FFFF || (codepunkt >= 0xD800 && codepunkt < 0xE000)) {
                return false;
            }
            utf8Anhaengen(codepunkt, ziel);
            continue;
        }
        const auto* e = std::ranges::find(entitaeten, name, &Entitaet::name);
        if (e == entitaeten.end()) {
            return false;
        }
        ziel += e->zeichen;
    }
    return true;
}

// Deeper nesting than any word processor writes is taken for a broken document.
constexpr std::size_t tiefstesElement = 1000;

bool istLeerraum(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class XmlLeser {
public:
    XmlLeser(std::string_view xml, Xmlempfaenger& empfaenger)
        : xml_(xml), empfaenger_(empfaenger) {}

    bool lesen() {
        while (pos_ < xml_.size()) {
            const std::size_t kleiner = xml_.find('<', pos_);
            if (!textMelden(xml_.substr(pos_, kleiner - pos_))) {
                return false;
            }
            if (kleiner == std::string_view::npos) {
                break;
            }
            pos_ = kleiner;
            if (!markierung()) {
                return false;
            }
        }
        return offen_.empty();
    }

private:
    bool textMelden(std::string_view roh) {
        if (roh.empty()) {
            return true;
        }
        puffer_.clear();
        if (!aufloesen(roh, puffer_)) {
            return false;
        }
        empfaenger_.text(puffer_);
        return true;
    }

    // Moves past `ende`, which must follow; false when the document stops before it.
    bool bis(std::string_view ende) {
        const std::size_t fund = xml_.find(ende, pos_);
        if (fund == std::string_view::npos) {
            return false;
        }
        pos_ = fund + ende.size();
        return true;
    }

    bool markierung() {
        const std::string_view rest = xml_.substr(pos_);
        if (rest.starts_with("<!--")) {
            return bis("-->");
        }
        if (rest.starts_with("<?")) {
            return bis("?>");
        }
        if (rest.starts_with("<![CDATA[")) {
            pos_ += 9;
            const std::size_t anfang = pos_;
            if (!bis("]]>")) {
                return false;
            }
            empfaenger_.text(xml_.substr(anfang, pos_ - 3 - anfang));
            return true;
        }
        if (rest.starts_with("<!")) { // the document type, its internal subset left unread
            const std::string_view bisSchluss = rest.substr(0, rest.find('>'));
            return bisSchluss.find('[') != std::string_view::npos ? bis("]>") : bis(">");
        }
        return element();
    }

    std::string_view name() {
        const std::size_t anfang = pos_;
        while (pos_ < xml_.size() && !istLeerraum(xml_[pos_]) && xml_[pos_] != '>' &&
               xml_[pos_] != '/' && xml_[pos_] != '=') {
            ++pos_;
        }
        return xml_.substr(anfang, pos_ - anfang);
    }

    void leerraum() {
        while (pos_ < xml_.size() && istLeerraum(xml_[pos_])) {
            ++pos_;
        }
    }

    bool element() {
        ++pos_;
        const bool schliessend = pos_ < xml_.size() && xml_[pos_] == '/';
        pos_ += schliessend ? 1 : 0;
        const std::string_view elementname = name();
        if (elementname.empty()) {
            return false;
        }
        attribute_.clear();
        for (leerraum(); pos_ < xml_.size() && xml_[pos_] != '>' && xml_[pos_] != '/'; leerraum()) {
            const std::string_view attributname = name();
            leerraum();
            if (attributname.empty() || pos_ + 1 >= xml_.size() || xml_[pos_] != '=') {
                return false;
            }
            ++pos_;
            leerraum();
            const char anfuehrung = pos_ < xml_.size() ? xml_[pos_] : '\0';
            const std::size_t ende = anfuehrung == '"' || anfuehrung == '\''
                                         ? xml_.find(anfuehrung, pos_ + 1)
                                         : std::string_view::npos;
            if (ende == std::string_view::npos) {
                return false;
            }
            std::string wert;
            if (!aufloesen(xml_.substr(pos_ + 1, ende - pos_ - 1), wert)) {
                return false;
            }
            attribute_.emplace_back(attributname, std::move(wert));
            pos_ = ende + 1;
        }
        const bool leer = xml_.substr(pos_).starts_with("/>");
        if (!leer && !xml_.substr(pos_).starts_with(">")) {
            return false;
        }
        pos_ += leer ? 2 : 1;
        if (schliessend) {
            if (leer || !attribute_.empty() || offen_.empty() || offen_.back() != elementname) {
                return false;
            }
            offen_.pop_back();
            empfaenger_.ende(elementname);
            return true;
        }
        empfaenger_.anfang(elementname, attribute_);
        if (leer) {
            empfaenger_.ende(elementname);
        } else if (offen_.size() == tiefstesElement) {
            return false;
        } else {
            offen_.push_back(elementname);
        }
        return true;
    }

    std::string_view xml_;
    Xmlempfaenger& empfaenger_;
    std::size_t pos_ = 0;
    std::vector<std::string_view> offen_; // the elements opened and not yet closed
    std::string puffer_;
    Xmlattribute attribute_;
};

} // namespace

bool xmlLesen(std::string_view xml, Xmlempfaenger& empfaenger) {
    return XmlLeser(xml, empfaenger).lesen();
}

} // namespace velmora
