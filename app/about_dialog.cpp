#include "about_dialog.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg()
    : CDialog(IDD_ABOUTBOX)
{
}
