#include "html_dialog.h"

#include "html_view.h"
#include "res/resources.h"

CDHtmlDialog::CDHtmlDialog(int templateId, int htmlResourceId)
    : CDialog(templateId)
    , m_htmlResourceId(htmlResourceId)
{
}

bool CDHtmlDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    QWidget* window = GetWindow();
    auto* view = new HtmlView(res::LoadHtmlResource(m_htmlResourceId), window);
    view->setGeometry(window->rect());
    view->lower();
    return true;
}
