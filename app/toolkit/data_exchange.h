#pragma once

class CDialog;

// One run of a dialog's data exchange: loading the controls, or saving and validating them.
struct CDataExchange
{
    CDialog& dialog;
    bool saveAndValidate;
};

