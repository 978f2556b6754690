#pragma once

#include "analyse/analyse.h"

#include <string_view>
#include <vector>

namespace velmora {

// The analysed sentences grouped by the paragraphs of the text they were read from (UTF-8):
// the indices of each paragraph's sentences, in order, no paragraph empty. Lines separated by
// empty lines form a paragraph; a text without empty lines has one paragraph a line. A
// sentence stands in the paragraph it ends in; one not found in the text stays in the
// paragraph of the one before it.
std::vector<std::vector<std::size_t>> satzabsaetze(std::string_view text, const Analyse& analyse);

} // namespace velmora
