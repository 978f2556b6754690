#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The line layer of arbeitszeugnis.ini and übergabe.ini: one value per line, CR LF,
// Windows-1252, or UTF-8 when a text needs it.

// The longest text an input box takes (a line edit's default maximum), in UTF-16 units.
inline constexpr int feldlaenge = 32767;

// The longest line read or written, in bytes: the longest text of a box in UTF-8, where one
// UTF-16 unit takes three bytes at most. Longer lines are not read, so no file can stall the
// start, and no text of a box is ever cut on saving.
inline constexpr std::size_t hoechsteZeilenlaenge = 3 * std::size_t{feldlaenge};

// The first `hoechstens` lines of a file, in UTF-8. A leading byte-order mark is skipped;
// lines end in CR LF, LF or CR, mixed as they come; a line longer than hoechsteZeilenlaenge
// gives nothing but keeps its place. Each line is read by itself: as UTF-8 when it is valid
// UTF-8 and holds a byte of 0x80 or more, else as Windows-1252, so one line edited by hand
// garbles no other. Control characters but the tab are dropped.
std::vector<std::optional<std::string>> zeilenLesen(std::string_view datei, std::size_t hoechstens);

// The lines, each ended by CR LF: in Windows-1252 when every line reads back unchanged from
// it, else the whole file in UTF-8. What a line cannot carry is changed so that it reads back
// as written: a line break becomes a blank, another control character but the tab is
// dropped, a malformed UTF-8 sequence becomes U+FFFD, and a line longer than
// hoechsteZeilenlaenge in UTF-8 is cut at the last character that fits.
std::string zeilenSchreiben(const std::vector<std::string>& zeilen);

} // namespace velmora
