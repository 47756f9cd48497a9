#include "category_dialog.h"

#include "app/toolkit/string_resources.h"
#include "res/resource.h"

namespace {

constexpr std::array kNameEditIds = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};

} // namespace

CategoryName::CategoryName()
    : CDHtmlDialog(IDD_CATEGORYNAME, IDR_HTML_CATEGORYNAME)
{
}

void CategoryName::DoDataExchange(CDataExchange* dataExchange)
{
    CDHtmlDialog::DoDataExchange(dataExchange);
    for (std::size_t position = 0; position < m_nameEdits.size(); ++position)
        DDX_Control(dataExchange, kNameEditIds[position], m_nameEdits[position]);
}

bool CategoryName::OnInitDialog()
{
    CDHtmlDialog::OnInitDialog();
    for (std::size_t position = 0; position < m_nameEdits.size(); ++position)
        m_nameEdits[position].SetWindowText(m_initialNames[position]);
    return true;
}

MessageMap CategoryName::GetMessageMap() const
{
    static const MessageMapEntry kMessageMap[] = {
        CommandEntry(IDC_NEXT, &CategoryName::OnNextClicked),
        CommandEntry(IDCANCEL, &CategoryName::OnCancelClicked),
    };
    return kMessageMap;
}

void CategoryName::OnNextClicked()
{
    // The names are taken before the check, so a refused Next still hands them back.
    for (std::size_t position = 0; position < m_nameEdits.size(); ++position)
        m_names[position] = m_nameEdits[position].GetWindowText();
    if (!m_names[0].isEmpty() && !m_names[1].isEmpty()) {
        OnOK();
        return;
    }
    AfxMessageBox(IDS_TWO_CATEGORIES);
}

void CategoryName::OnCancelClicked()
{
    OnOK();
}
