#pragma once

class CDialog;

// The application object: start-up runs InitInstance, and the program ends when it returns.
class CWinApp
{
public:
    virtual ~CWinApp() = default;

    virtual bool InitInstance();
    virtual int ExitInstance();

    void SetMainWindow(CDialog* dialog);
    CDialog* GetMainWindow() const;

private:
    CDialog* m_mainWindow = nullptr;
};
