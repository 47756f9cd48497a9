#include "record_dialog.h"

#include "app/about_dialog.h"
#include "app/toolkit/menu.h"
#include "app/toolkit/string_resources.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <filesystem>
#include <new>

namespace {

constexpr std::array kCategoryFieldIds = {IDC_CATEGORY1, IDC_CATEGORY2, IDC_CATEGORY3, IDC_CATEGORY4};

} // namespace

CTabloomDlg::CTabloomDlg()
    : CDialog(IDD_TABLOOM_DIALOG)
    , m_icon(LoadIcon(IDR_MAINFRAME))
{
}

void CTabloomDlg::DoDataExchange(CDataExchange* dataExchange)
{
    CDialog::DoDataExchange(dataExchange);
    DDX_Control(dataExchange, IDC_DATA1, m_data1);
    DDX_Control(dataExchange, IDC_RECORD_LIST, m_recordList);
    DDX_Control(dataExchange, IDC_DATA2, m_data2);
    DDX_Control(dataExchange, IDC_DATA3, m_data3);
    DDX_Control(dataExchange, IDC_DATA4, m_data4);
    for (std::size_t position = 0; position < m_categoryFields.size(); ++position)
        DDX_Control(dataExchange, kCategoryFieldIds[position], m_categoryFields[position]);
}

bool CTabloomDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_reinitialising == 0)
        AppendAboutEntry();
    SetIcon(m_icon, true);
    SetIcon(m_icon, false);

    if (m_reinitialising == 0) {
        m_categoryDialog.DoModal();
        m_categoryNames = m_categoryDialog.m_names;
        if (m_categoryNames[0].isEmpty()) {
            OnOK();
        } else {
            m_recordList.InsertColumn(0, m_categoryNames[0], ColumnFormat::Left, res::kRecordListColumnWidth);
            m_recordList.InsertColumn(1, m_categoryNames[1], ColumnFormat::Left, res::kRecordListColumnWidth, 1);
        }
    } else {
        m_categoryNames = m_categoryDialog.m_names;
        for (std::size_t position = 0; position < m_categoryNames.size(); ++position)
            m_recordList.SetColumnHeading(static_cast<int>(position), m_categoryNames[position]);
    }

    m_categoryFields[0].SetWindowText(m_categoryNames[0]);
    m_categoryFields[1].SetWindowText(m_categoryNames[1]);
    ShowOptionalCategory(2, m_column3Inserted);
    ShowOptionalCategory(3, m_column4Inserted);
    return true;
}

MessageMap CTabloomDlg::GetMessageMap() const
{
    static const MessageMapEntry kMessageMap[] = {
        SysCommandEntry(&CTabloomDlg::OnSysCommand),
        CommandEntry(IDC_ADD, &CTabloomDlg::OnAdd),
        CommandEntry(IDC_DELETE, &CTabloomDlg::OnDelete),
        CommandEntry(IDC_CHANGE_CATEGORY, &CTabloomDlg::OnChangeCategory),
        CommandEntry(IDC_CLEAR_ALL, &CTabloomDlg::OnClearAll),
        CommandEntry(IDC_FINISH, &CTabloomDlg::OnFinish),
        CommandEntry(IDOK, &CTabloomDlg::OnEnterWithoutButton),
    };
    return kMessageMap;
}

void CTabloomDlg::OnSysCommand(unsigned id, std::intptr_t parameter)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, parameter);
    }
}

void CTabloomDlg::OnAdd()
{
    const QString text1 = m_data1.GetWindowText();
    const QString text2 = m_data2.GetWindowText();
    const QString text3 = m_data3.GetWindowText();
    const QString text4 = m_data4.GetWindowText();
    if (text1.isEmpty()) {
        AfxMessageBox(IDS_FILL_IN_DATA);
        return;
    }
    m_recordList.InsertItem(m_recordList.GetItemCount(), text1);
    m_recordList.SetItemText(m_recordList.GetItemCount() - 1, 1, text2);
    m_recordList.SetItemText(m_recordList.GetItemCount() - 1, 2, text3);
    m_recordList.SetItemText(m_recordList.GetItemCount() - 1, 3, text4);
}

void CTabloomDlg::OnDelete()
{
    const int selected = m_recordList.GetFirstSelectedItem();
    if (m_recordList.GetItemCount() == 0) {
        AfxMessageBox(IDS_FILL_IN_DATA);
        return;
    }
    if (selected >= 0)
        m_recordList.DeleteItem(selected);
}

void CTabloomDlg::OnChangeCategory()
{
    for (std::size_t position = 0; position < m_categoryFields.size(); ++position)
        m_categoryDialog.m_initialNames[position] = m_categoryFields[position].GetWindowText();
    m_categoryDialog.DoModal();
    m_reinitialising = 1;
    OnInitDialog();
}

void CTabloomDlg::OnClearAll()
{
    m_recordList.DeleteAllItems();
}

void CTabloomDlg::OnFinish()
{
    try {
        ReportPublishResult(Publish(ReadRecords(), ReadCaptions(), std::filesystem::current_path()));
    } catch (const std::bad_alloc&) {
        AfxMessageBox(IDS_OUT_OF_MEMORY);
    }
}

void CTabloomDlg::OnEnterWithoutButton()
{
    // Enter in a field would otherwise end the program and lose every record not yet published.
}

// The rows of the record list, cells 1 to 4 as the list gives them. The count is asked again
// after every row, as the list is the only authority on how many rows there are.
std::vector<Record> CTabloomDlg::ReadRecords() const
{
    std::vector<Record> records;
    for (int row = 0; row < m_recordList.GetItemCount(); ++row) {
        Record& record = records.emplace_back();
        for (std::size_t subItem = 0; subItem < record.size(); ++subItem)
            record[subItem] = m_recordList.GetItemText(row, static_cast<int>(subItem)).toStdString();
    }
    return records;
}

Captions CTabloomDlg::ReadCaptions() const
{
    Captions captions;
    for (std::size_t position = 0; position < captions.size(); ++position)
        captions[position] = m_categoryFields[position].GetWindowText().toStdString();
    return captions;
}

// A run that wrote every file says nothing; otherwise one message names the files not written.
void CTabloomDlg::ReportPublishResult(const PublishResult& result)
{
    if (result.outOfMemory)
        AfxMessageBox(IDS_OUT_OF_MEMORY);
    const std::string notWritten = DescribeNotWritten(result);
    if (!notWritten.empty())
        AfxMessageBox(QString::fromStdString(notWritten));
}

void CTabloomDlg::AppendAboutEntry()
{
    CMenu* systemMenu = GetSystemMenu();
    if (!systemMenu)
        return;
    const QString aboutText = LoadString(IDS_ABOUTBOX);
    if (aboutText.isEmpty())
        return;
    systemMenu->AppendSeparator();
    systemMenu->AppendItem(IDM_ABOUTBOX, aboutText);
}

void CTabloomDlg::ShowOptionalCategory(std::size_t position, std::int32_t& columnInserted)
{
    const QString& name = m_categoryNames[position];
    if (name.isEmpty())
        return;
    const int column = static_cast<int>(position);
    if (columnInserted == 1) {
        m_recordList.SetColumnHeading(column, name);
    } else {
        m_recordList.InsertColumn(column, name, ColumnFormat::Left, res::kRecordListColumnWidth, column);
        columnInserted = 1;
    }
    m_categoryFields[position].SetWindowText(name);
}
