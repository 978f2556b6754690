#pragma once

class QApplication;

namespace velmora {

// The program ends when its last window closes, whichever that is: the main window or one of
// the dialogs left open after it. Qt's own rule would not wait for the support dialog, a tool
// window, so it is replaced by this one. Call once, right after the QApplication is made.
void endeMitDemLetztenFenster(QApplication& anwendung);

} // namespace velmora
