#pragma once

// The data files kept beside the tests: their bytes, and tables of one row a line.
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

inline std::string dateiinhalt(const std::string& pfad) {
    std::stringstream gelesen;
    gelesen << std::ifstream(pfad, std::ios::binary).rdbuf();
    return gelesen.str();
}

// A data file's cell with its escapes resolved: \t, \r, \n, \\ and \xNN (one byte).
inline std::string entschluesselt(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
        } else if (const char c = text[++i]; c == 'x') {
            bytes += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            bytes += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        }
    }
    return bytes;
}

// The rows of a table kept beside a test as a text file: a row a line, its cells separated by
// " | ", escapes resolved unless the cells are `roh`; empty lines and comments ("#") left out.
inline std::vector<std::vector<std::string>> datentabelle(const std::string& pfad,
                                                          bool roh = false) {
    std::vector<std::vector<std::string>> zeilen;
    std::istringstream text(dateiinhalt(pfad));
    for (std::string zeile; std::getline(text, zeile);) {
        if (zeile.empty() || zeile.starts_with('#')) {
            continue;
        }
        if (zeile.ends_with(" |")) { // an empty last cell, whether or not its blank was kept
            zeile += ' ';
        }
        zeilen.emplace_back();
        for (std::size_t von = 0, bis = 0; bis != std::string::npos; von = bis + 3) {
            bis = zeile.find(" | ", von);
            const std::string zelle = zeile.substr(von, bis - von);
            zeilen.back().push_back(roh ? zelle : entschluesselt(zelle));
        }
    }
    if (zeilen.empty()) {
        throw std::runtime_error(pfad + " holds no data");
    }
    return zeilen;
}

} // namespace velmora::test
