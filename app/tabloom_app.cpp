#include "tabloom_app.h"

#include "entry/record_dialog.h"

bool CTabloomApp::InitInstance()
{
    CWinApp::InitInstance();
    CTabloomDlg dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    SetMainWindow(nullptr);
    return false;
}
