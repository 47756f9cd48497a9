#pragma once

#include "app/toolkit/dialog.h"

// The About box: the icon, the program's name and version and its notice, and OK.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
};
