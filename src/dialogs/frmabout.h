#pragma once

#include "platform/systeminfo.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

class Plattform;

// "Version 1.5.0": the numbers plain, without blanks or leading zeros.
QString versionstext(int major, int minor, int revision);

// The About dialog: name and version, the maker's contact block with a mail and a web link,
// and a button that starts the system-information tool.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Plattform& plattform, Systeminfoquellen systeminfo);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void kontaktblockAnlegen();

    Plattform& plattform;
    Systeminfoquellen systeminfo;
};

} // namespace velmora
