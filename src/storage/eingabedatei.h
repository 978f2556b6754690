#pragma once

#include "files/einstellungen.h"
#include "storage/zeugnisdatei.h"

#include <QByteArray>
#include <QString>

namespace velmora {

// The reference the window holds after loading a settings file: its start state, then each
// value that could be read, in the file's order. A selected button gives its section that
// grade; a cleared one takes the grade only when it was that button's; a text is cut at the
// box's length.
Zeugnisdaten zeugnisAusEinstellungen(const GeleseneEinstellungen& gelesen);

// A file handed to the program: a reference file with its texts whole, however long (the
// window cuts what its boxes cannot hold), or a settings file as the window reads it. It is a
// reference file when its name ends in ".zeugnis" or its first character (after a byte-order mark
// and blanks) is "{", which begins no settings file; it is read strictly, so a broken one is
// refused and never taken for settings. Anything else is a settings file, refused unless its first
// line is a gender selection, as every settings file's is.
Zeugnislesung eingabedateiLesen(const QByteArray& inhalt, const QString& name);

} // namespace velmora
