#include "output/klartext.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// Each run followed by its own CR LFs, whatever the paragraphs; a list item after "– "; the
// letterhead never; nothing after the last run's breaks.
TEST(Klartext, runsWithTheirBreaksListItemsAfterADashNoLetterhead) {
    Dokumentmodell modell;
    modell.briefkopf.zeilen = {"Zevuz GmbH"};
    modell.absaetze = {
        {.laeufe = {{"ZEUGNIS", {.fett = true}, 3}}},
        {},
        {.laeufe = {{"Beispiel: ", {}, 2}, {"Zu\tihren ", {}, 0}, {"Aufgaben:", {}, 1}}},
        {.laeufe = {{"Einkauf", {}, 1}}, .listenpunkt = true},
        {.laeufe = {{"", {}, 2}}},
        {.laeufe = {{" Jörg ", {}, 0}}},
    };
    EXPECT_EQ(klartext(modell), "ZEUGNIS\r\n\r\n\r\nBeispiel: \r\n\r\nZu\tihren Aufgaben:\r\n"
                                "– Einkauf\r\n\r\n\r\n Jörg ");
}

} // namespace
