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
    "ihn",
    "Herrn",
    "r",
    "",
    "",
    "n",
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
    "sie",
    "Frau",
    "",
    "e",
    "in",
    "",
}};

} // namespace

const Anredeformen& Anredeformen::fuer(int geschlecht) {
    return geschlecht == frau ? frauFormen : mann;
}

} // namespace velmora
