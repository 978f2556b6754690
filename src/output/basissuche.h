#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Where the base document temp.doc is taken from: beside the program first (a build folder,
// a portable copy), then in the installed program's data folders, in the order given.
std::optional<std::string>
basisdokumentSuchen(std::string_view programmordner,
                    std::initializer_list<std::string_view> datenordner,
                    const std::function<bool(const std::string&)>& vorhanden);

} // namespace velmora
