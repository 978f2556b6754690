#pragma once

#include <QString>

namespace velmora {

// A text for a box that holds one line: each line break (CR LF, CR or LF) becomes one blank,
// so the box, the documents and the files all hold the same text.
inline QString zeilenumbruecheAlsBlanks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
    text.replace(QChar::LineSeparator, QLatin1Char(' '));
    return text;
}

} // namespace velmora
