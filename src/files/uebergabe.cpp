#include "files/uebergabe.h"

#include "compose/zeugnisdaten.h"
#include "files/textzeilen.h"

namespace velmora {

std::vector<std::optional<std::string>> uebergabeLesen(std::string_view datei) {
    return zeilenLesen(datei, anzahlEingaben);
}

} // namespace velmora
