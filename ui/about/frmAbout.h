#pragma once

#include <QDialog>

namespace kinmatch {
class Platform;
}

// Names the program and its maker; shown modally.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(kinmatch::Platform& platform, QWidget* owner);
};
