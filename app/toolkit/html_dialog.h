#pragma once

#include "dialog.h"

// A dialog whose client area shows an HTML resource behind the template's controls.
class CDHtmlDialog : public CDialog
{
public:
    CDHtmlDialog(int templateId, int htmlResourceId);

protected:
    // Creates the controls' bindings, then the HTML view behind them.
    bool OnInitDialog() override;

private:
    int m_htmlResourceId;
};
