#pragma once

namespace velmora {

class Plattform;
class frmAbout;
class frmUnterst;

// The main window's menu entries "&Info" and "&Unterstützen Sie die Weiterentwicklung": each
// shows its dialog modeless and without an owner. While a dialog is open, showing it again
// brings that same dialog to the front; once closed, it is destroyed.
frmAbout* zeigeInfo(Plattform& plattform);
frmUnterst* zeigeUnterstuetzung();

} // namespace velmora
