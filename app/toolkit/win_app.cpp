#include "win_app.h"

bool CWinApp::InitInstance()
{
    return true;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::SetMainWindow(CDialog* dialog)
{
    m_mainWindow = dialog;
}

CDialog* CWinApp::GetMainWindow() const
{
    return m_mainWindow;
}
