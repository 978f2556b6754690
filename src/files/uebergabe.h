#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The texts of übergabe.ini for txtang(0) onwards, in UTF-8: one per line for the first ten
// lines, so a file of three lines gives three. Nothing for a line too long to read, which
// leaves its box alone. The program only reads this file; another program writes it.
std::vector<std::optional<std::string>> uebergabeLesen(std::string_view datei);

} // namespace velmora
