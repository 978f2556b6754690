#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The line layer of arbeitszeugnis.ini and übergabe.ini: one value per line, CR LF,
// Windows-1252, or UTF-8 when a text needs it.

// Longer lines are not read, so no file can stall the start.
inline constexpr std::size_t hoechsteZeilenlaenge = 64 * 1024;

// The first `hoechstens` lines of a file, in UTF-8. A leading byte-order mark is skipped,
// lines may end in CR LF or LF alone, and a line longer than hoechsteZeilenlaenge gives
// nothing but keeps its place. The file counts as UTF-8 when the lines read are valid UTF-8
// and hold a byte of 0x80 or more, else as Windows-1252.
std::vector<std::optional<std::string>> zeilenLesen(std::string_view datei, std::size_t hoechstens);

// The lines, each ended by CR LF, in Windows-1252 when that reads back unchanged, else in
// UTF-8. What a line cannot carry is changed so that it reads back as written: a line break
// becomes a blank, a malformed UTF-8 sequence U+FFFD, and a line longer than
// hoechsteZeilenlaenge in UTF-8 is cut at the last character that fits.
std::string zeilenSchreiben(const std::vector<std::string>& zeilen);

} // namespace velmora
