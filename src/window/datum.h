#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace velmora {

// Reads a date by German rules, whatever the system's locale: day, month, year with ".", "/"
// or "-" between them; a two-digit year 30-99 is 19xx, 00-29 is 20xx; without a year it is
// the year of `heute`. ISO dates (1995-04-01) and German month names ("1. April 1995",
// "1. Apr. 1995") are read too. Nothing for text that is no valid date.
std::optional<QDate> datumLesen(const QString& text, QDate heute);

// The text as the date box leaves it: a date written dd.MM.yyyy, anything else unchanged.
QString datumNormalisiert(const QString& text, QDate heute);

} // namespace velmora
