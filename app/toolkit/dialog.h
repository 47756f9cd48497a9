#pragma once

#include "data_exchange.h"
#include "message_map.h"

#include <QIcon>

#include <cstdint>
#include <memory>

class CMenu;
class DialogWindow;
class QPoint;
class QWidget;

namespace res {
struct DialogTemplate;
}

// A modal dialog built from a dialog template. DoModal creates the window and its controls, runs
// OnInitDialog, shows the window unless the dialog ended during initialisation, runs it until
// EndDialog and returns the end code. Buttons, Enter, Escape, the close box and the window menu
// reach the handlers through the dialog's message map; commands 1 and 2 that the map does not
// take go to OnOK and OnCancel.
class CDialog
{
public:
    explicit CDialog(int templateId);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // The end code, or -1 when the template is missing.
    int DoModal();
    void EndDialog(int result);

    // The window while the dialog runs, else nullptr.
    QWidget* GetWindow() const;
    QWidget* GetDlgItem(int id) const;
    // The window menu, if the template gives the window one.
    CMenu* GetSystemMenu() const;
    void SetIcon(const QIcon& icon, bool bigIcon);

    // Hands a message to the handler the message map names, or to the default handling.
    void SendMessage(Message message, int id, std::intptr_t parameter = 0);

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dataExchange);
    virtual MessageMap GetMessageMap() const;
    virtual void OnOK();
    virtual void OnCancel();
    // The default processing of a window-menu command.
    void OnSysCommand(unsigned id, std::intptr_t parameter);
    bool UpdateData(bool saveAndValidate = true);

private:
    friend class DialogWindow;

    void CreateWindowFromTemplate(const res::DialogTemplate& dialogTemplate);
    void GotoFirstTabStop();
    void TrackSystemMenu(const QPoint& globalPosition);

    int m_templateId;
    std::unique_ptr<DialogWindow> m_window;
    std::unique_ptr<CMenu> m_systemMenu;
    bool m_running = false;
    bool m_ended = false;
    int m_result = -1;
};

// Binds a member control (CEdit, CListCtrl) to the dialog's control with the given id.
template <class Control>
void DDX_Control(CDataExchange* dataExchange, int id, Control& control)
{
    control.Attach(dataExchange->dialog.GetDlgItem(id));
}
