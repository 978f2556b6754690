// Replays every file of the fuzzing corpus through the fuzz entry point, so that each
// input the fuzzer ever found keeps being checked in the normal build.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s KORPUSORDNER\n", argv[0]);
        return 2;
    }
    int abgespielt = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream datei(eintrag.path(), std::ios::binary);
        const std::string inhalt{std::istreambuf_iterator<char>(datei), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
        ++abgespielt;
    }
    std::printf("%d Dateien abgespielt\n", abgespielt);
    // An empty or missing corpus must not pass unnoticed.
    return abgespielt > 0 ? 0 : 1;
}
