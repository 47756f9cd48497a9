#pragma once

#include "app/toolkit/edit.h"
#include "app/toolkit/html_dialog.h"

#include <QString>

#include <array>

// Asks for the category names, positions 1 to 4. The caller sets the initial texts before a run
// and reads the taken names after it; Next takes the four texts and accepts them only when
// names 1 and 2 are given.
class CategoryName : public CDHtmlDialog
{
public:
    CategoryName();

    // The edits' texts at the last press of Next, accepted or refused.
    std::array<QString, 4> m_names;
    // The texts the edits show when the dialog opens.
    std::array<QString, 4> m_initialNames;

protected:
    void DoDataExchange(CDataExchange* dataExchange) override;
    bool OnInitDialog() override;
    MessageMap GetMessageMap() const override;

private:
    void OnNextClicked();
    void OnCancelClicked();

    std::array<CEdit, 4> m_nameEdits;
};
