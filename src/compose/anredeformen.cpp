#include "compose/anredeformen.h"

#include "compose/zeugnisdaten.h"

namespace velmora {

namespace {

const Anredeformen mann{{
    "Herr",
    "Er",
    "er",
    "seinem",
    "seinen",
    "seines",
    "seiner",
    "seine",
    "Seine",
    "sein",
    "ihm",
    "r",
    "",
    "",
}};

const Anredeformen frauFormen{{
    "Frau",
    "Sie",
    "sie",
    "ihrem",
    "ihren",
    "ihres",
    "ihrer",
    "ihre",
    "Ihre",
    "ihr",
    "ihr",
    "",
    "e",
    "in",
}};

} // namespace

const Anredeformen& Anredeformen::fuer(int geschlecht) {
    return geschlecht == frau ? frauFormen : mann;
}

} // namespace velmora
