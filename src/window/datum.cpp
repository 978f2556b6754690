#include "window/datum.h"

#include <QRegularExpression>

#include <array>

namespace velmora {

namespace {

struct Monatsname {
    const char* name; // lower case, UTF-8
    int monat;
};

// Full names and the usual abbreviations; compared without regard to case.
constexpr std::array<Monatsname, 26> monatsnamen = {{
    {"januar", 1},   {"jänner", 1}, {"jan", 1},       {"februar", 2}, {"feb", 2},
    {"märz", 3},     {"mär", 3},    {"mrz", 3},       {"april", 4},   {"apr", 4},
    {"mai", 5},      {"juni", 6},   {"jun", 6},       {"juli", 7},    {"jul", 7},
    {"august", 8},   {"aug", 8},    {"september", 9}, {"sept", 9},    {"sep", 9},
    {"oktober", 10}, {"okt", 10},   {"november", 11}, {"nov", 11},    {"dezember", 12},
    {"dez", 12},
}};

int monatAusName(const QString& name) {
    const QString klein = name.toLower();
    for (const Monatsname& eintrag : monatsnamen) {
        if (klein == QString::fromUtf8(eintrag.name)) {
            return eintrag.monat;
        }
    }
    return 0;
}

// A year as typed: one or two digits by the 30/29 window, four digits as they stand.
std::optional<int> jahrAus(const QString& ziffern, QDate heute) {
    if (ziffern.isEmpty()) {
        return heute.year();
    }
    const int jahr = ziffern.toInt();
    switch (ziffern.size()) {
    case 1:
    case 2:
        return jahr < 30 ? 2000 + jahr : 1900 + jahr;
    case 4:
        return jahr;
    default:
        return std::nullopt;
    }
}

std::optional<QDate> gueltig(std::optional<int> jahr, int monat, int tag) {
    if (!jahr) {
        return std::nullopt;
    }
    const QDate datum(*jahr, monat, tag);
    return datum.isValid() ? std::optional<QDate>(datum) : std::nullopt;
}

} // namespace

std::optional<QDate> datumLesen(const QString& text, QDate heute) {
    static const QRegularExpression zahlen(
        QStringLiteral(R"(^\s*([0-9]{1,2})\s*[./-]\s*([0-9]{1,2})\s*(?:[./-]\s*([0-9]+)?\s*)?$)"));
    static const QRegularExpression iso(
        QStringLiteral(R"(^\s*([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})\s*$)"));
    static const QRegularExpression monatsname(
        QStringLiteral(R"(^\s*([0-9]{1,2})\.?\s*(\p{L}+)\.?\s*([0-9]+)?\s*$)"));

    if (const auto treffer = iso.match(text); treffer.hasMatch()) {
        return gueltig(treffer.captured(1).toInt(), treffer.captured(2).toInt(),
                       treffer.captured(3).toInt());
    }
    if (const auto treffer = zahlen.match(text); treffer.hasMatch()) {
        return gueltig(jahrAus(treffer.captured(3), heute), treffer.captured(2).toInt(),
                       treffer.captured(1).toInt());
    }
    if (const auto treffer = monatsname.match(text); treffer.hasMatch()) {
        const int monat = monatAusName(treffer.captured(2));
        if (monat == 0) {
            return std::nullopt;
        }
        return gueltig(jahrAus(treffer.captured(3), heute), monat, treffer.captured(1).toInt());
    }
    return std::nullopt;
}

QString datumNormalisiert(const QString& text, QDate heute) {
    const std::optional<QDate> datum = datumLesen(text, heute);
    return datum ? datum->toString(QStringLiteral("dd.MM.yyyy")) : text;
}

} // namespace velmora
