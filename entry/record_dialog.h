#pragma once

#include "entry/category_dialog.h"

#include "app/toolkit/dialog.h"
#include "app/toolkit/edit.h"
#include "app/toolkit/list_control.h"
#include "publish/publish.h"

#include <QIcon>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The main window: the category names beside four data-entry fields, the record list, and Add,
// Delete, Clear All, Change Category and Finish. It asks for the category names while it
// initialises and ends at once when no first name comes back.
class CTabloomDlg : public CDialog
{
public:
    CTabloomDlg();

protected:
    void DoDataExchange(CDataExchange* dataExchange) override;
    bool OnInitDialog() override;
    MessageMap GetMessageMap() const override;

private:
    void OnSysCommand(unsigned id, std::intptr_t parameter);
    void OnAdd();
    void OnDelete();
    void OnChangeCategory();
    void OnClearAll();
    void OnFinish();
    void OnEnterWithoutButton();

    std::vector<Record> ReadRecords() const;
    Captions ReadCaptions() const;
    void ReportPublishResult(const PublishResult& result);
    void AppendAboutEntry();
    void ShowOptionalCategory(std::size_t position, std::int32_t& columnInserted);

    QIcon m_icon;
    CEdit m_data1;
    CListCtrl m_recordList;
    std::array<QString, 4> m_categoryNames;
    CategoryName m_categoryDialog;
    CEdit m_data2;
    CEdit m_data3;
    CEdit m_data4;
    std::array<CEdit, 4> m_categoryFields;
    std::int32_t m_reinitialising = 0;
    std::int32_t m_column3Inserted = 0;
    std::int32_t m_column4Inserted = 0;
};
