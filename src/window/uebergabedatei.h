#pragma once

namespace velmora {

class Plattform;
class frmzg;

// Takes over übergabe.ini from the data folder, if one lies there: the lines that could be
// read replace the texts of their boxes, the file is deleted, and the previews are composed
// again so that they rest on the texts the window shows. A file that cannot be read is left
// for the next start; one that cannot be deleted is reported on standard error.
void uebergabeUebernehmen(frmzg& fenster, Plattform& plattform);

} // namespace velmora
