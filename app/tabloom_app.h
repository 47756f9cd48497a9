#pragma once

#include "app/toolkit/win_app.h"

// The application: it runs the record-entry dialog as its main window and ends with it.
class CTabloomApp : public CWinApp
{
public:
    // Always false: the program has no message loop of its own beyond the dialog's.
    bool InitInstance() override;
};
