#include "uebergabe.h"

#include "textzeilen.h"
#include "zeugnisdaten.h"

namespace velmora {

std::vector<std::optional<std::string>> uebergabeLesen(std::string_view datei) {
    return zeilenLesen(datei, anzahlEingaben);
}

} // namespace velmora
