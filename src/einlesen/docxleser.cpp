#include "einlesen/docxleser.h"

#include "einlesen/textzeichen.h"
#include "einlesen/xmlleser.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace velmora {

namespace {

using namespace std::string_view_literals;

// The unpacked body of a reference is a few hundred kilobytes; more is no reference, or a
// file made to fill the memory.
constexpr zip_uint64_t groessterHaupttext = 20 * 1024 * 1024;

constexpr std::string_view beschaedigt = "Das Word-Dokument ist beschädigt und kann nicht gelesen "
                                         "werden.";

// Subtrees whose text is not the body as it reads: the older copy of alternate content, text
// moved away, and former properties.
constexpr std::array uebersprungen{"mc:Fallback"sv, "w:moveFrom"sv, "w:pPrChange"sv,
                                   "w:rPrChange"sv};

// Elements of a run that stand for a character.
struct Laufzeichen {
    std::string_view element;
    std::string_view text;
};
constexpr std::array laufzeichen{Laufzeichen{"w:tab", " "}, Laufzeichen{"w:ptab", " "},
                                 Laufzeichen{"w:br", " "}, Laufzeichen{"w:cr", " "},
                                 Laufzeichen{"w:noBreakHyphen", "-"}};

constexpr std::string_view aufzaehlungszeichen = "• ";

struct Absatz {
    std::string text;
    bool listenpunkt = false;
};

class Haupttext : public Xmlempfaenger {
public:
    void anfang(std::string_view name, const Xmlattribute& attribute) override {
        if (uebersprungeneTiefe_ > 0 ||
            std::ranges::find(uebersprungen, name) != uebersprungen.end()) {
            ++uebersprungeneTiefe_;
        } else if (name == "w:p") {
            absaetze_.emplace_back(); // a paragraph may hold a text box with paragraphs of its own
        } else if (absaetze_.empty()) {
            return;
        } else if (name == "w:t") {
            imText_ = true;
        } else if (name == "w:r") {
            ++imLauf_;
        } else if (name == "w:numId") {
            const auto wert =
                std::ranges::find(attribute, "w:val"sv, &Xmlattribute::value_type::first);
            absaetze_.back().listenpunkt = wert != attribute.end() && wert->second != "0";
        } else if (const auto* z = std::ranges::find(laufzeichen, name, &Laufzeichen::element);
                   z != laufzeichen.end() && imLauf_ > 0) {
            absaetze_.back().text += z->text;
        }
    }

    void ende(std::string_view name) override {
        if (uebersprungeneTiefe_ > 0) {
            --uebersprungeneTiefe_;
        } else if (absaetze_.empty()) {
            return;
        } else if (name == "w:p") {
            const Absatz& absatz = absaetze_.back();
            if (absatz.listenpunkt) {
                gelesen += aufzaehlungszeichen;
            }
            gelesen += absatz.text;
            gelesen += '\n';
            absaetze_.pop_back();
        } else if (name == "w:t") {
            imText_ = false;
        } else if (name == "w:r" && imLauf_ > 0) {
            --imLauf_;
        }
    }

    void text(std::string_view stueck) override {
        if (imText_ && uebersprungeneTiefe_ == 0 && !absaetze_.empty()) {
            textzeichenAnhaengen(stueck, absaetze_.back().text);
        }
    }

    std::string gelesen;

private:
    std::vector<Absatz> absaetze_;
    std::size_t uebersprungeneTiefe_ = 0;
    std::size_t imLauf_ = 0;
    bool imText_ = false;
};

struct ArchivVerwerfen {
    void operator()(zip_t* archiv) const { zip_discard(archiv); }
};
struct DateiSchliessen {
    void operator()(zip_file_t* datei) const { zip_fclose(datei); }
};

// The member's bytes, read in pieces up to the cap whatever size the archive claims.
// Nothing when it is unreadable; more than the cap when it is too large.
std::optional<std::string> entpacken(zip_t* archiv, zip_uint64_t index) {
    const std::unique_ptr<zip_file_t, DateiSchliessen> datei(zip_fopen_index(archiv, index, 0));
    if (!datei) {
        return std::nullopt;
    }
    std::string inhalt;
    std::array<char, 65536> stueck;
    while (inhalt.size() <= groessterHaupttext) {
        const zip_int64_t gelesen = zip_fread(datei.get(), stueck.data(), stueck.size());
        if (gelesen < 0) {
            return std::nullopt;
        }
        if (gelesen == 0) {
            break;
        }
        inhalt.append(stueck.data(), static_cast<std::size_t>(gelesen));
    }
    return inhalt;
}

} // namespace

Eingelesen docxLesen(std::string_view bytes) {
    zip_error_t fehler;
    zip_error_init(&fehler);
    zip_source_t* quelle = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &fehler);
    zip_error_fini(&fehler);
    if (!quelle) {
        return Eingelesen::mitFehler(std::string(beschaedigt));
    }
    const std::unique_ptr<zip_t, ArchivVerwerfen> archiv(
        zip_open_from_source(quelle, ZIP_RDONLY, nullptr));
    if (!archiv) {
        zip_source_free(quelle);
        return Eingelesen::mitFehler(std::string(beschaedigt));
    }
    const zip_int64_t index = zip_name_locate(archiv.get(), "word/document.xml", 0);
    if (index < 0) {
        return Eingelesen::mitFehler("Die Datei ist ein ZIP-Archiv, aber kein Word-Dokument "
                                     "(.docx).");
    }
    const std::optional<std::string> xml =
        entpacken(archiv.get(), static_cast<zip_uint64_t>(index));
    if (xml && xml->size() > groessterHaupttext) {
        return Eingelesen::mitFehler("Der Text des Word-Dokuments ist größer als 20 MB; so "
                                     "lang ist kein Arbeitszeugnis.");
    }
    Haupttext haupttext;
    if (!xml || !xmlLesen(*xml, haupttext)) {
        return Eingelesen::mitFehler(std::string(beschaedigt));
    }
    return Eingelesen::mitText(std::move(haupttext.gelesen));
}

} // namespace velmora
