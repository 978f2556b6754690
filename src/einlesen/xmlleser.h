#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// One element's attributes, their values with entities resolved.
using Xmlattribute = std::vector<std::pair<std::string_view, std::string>>;

// What a reader of XML hears, in document order.
class Xmlempfaenger {
public:
    virtual ~Xmlempfaenger() = default;
    virtual void anfang(std::string_view name, const Xmlattribute& attribute) = 0;
    virtual void ende(std::string_view name) = 0;
    virtual void text(std::string_view text) = 0;
};

// Reads XML as the documents of word processors hold it: elements with qualified names,
// attributes, text, CDATA; comments, processing instructions and a document type skipped. Of
// entities only the five of XML and character references are known, so that nothing can grow
// or reach outside. False when the XML is malformed.
bool xmlLesen(std::string_view xml, Xmlempfaenger& empfaenger);

} // namespace velmora
