#pragma once

class QCoreApplication;

namespace velmora {

// Qt's own texts in German, whatever the system's language: the buttons of message boxes, the
// file dialogs and the names of keys in shortcuts ("Strg+S"). False when Qt's German
// translation is not installed; Qt's English texts stay then.
bool qtAufDeutsch(QCoreApplication& anwendung);

} // namespace velmora
