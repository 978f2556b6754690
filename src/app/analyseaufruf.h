#pragma once

#include "app/ausfuhr.h"

namespace velmora {

struct Aufruf;
class Plattform;

// `--analyse`: the reference read and analysed, the result on standard output as a table or
// as JSON. Errors go to standard error with status 1.
Ausfuhrergebnis analyseAusgeben(const Aufruf& aufruf, Plattform& plattform);

} // namespace velmora
