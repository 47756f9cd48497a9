#include "dialog.h"

#include "accessible_names.h"
#include "control_factory.h"
#include "dialog_units.h"
#include "dialog_window.h"
#include "menu.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect RectOf(const res::ControlTemplate& control)
{
    return {control.x, control.y, control.width, control.height};
}

// The desktop font may set a text wider than the template's font did; a label then grows to its
// text, within the dialog, rather than being cut off or wrapped into the control below it.
void FitStaticText(QWidget* label, int clientWidth)
{
    const QSize wanted = label->sizeHint();
    const int width = std::min(std::max(label->width(), wanted.width()), clientWidth - label->x());
    label->resize(width, std::max(label->height(), wanted.height()));
}

Qt::WindowFlags WindowFlagsOf(unsigned style)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (style & res::dialog_style::Caption)
        flags |= Qt::WindowTitleHint;
    if (style & res::dialog_style::SystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

} // namespace

CDialog::CDialog(int templateId)
    : m_templateId(templateId)
{
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(m_templateId);
    if (!dialogTemplate)
        return -1;
    // The window that had the keyboard gets it back when this one ends, as the owner of a modal
    // dialog does; without a window manager, or with one that does not know the owner, nothing
    // else would give it back, and its access keys and window menu would stay dead.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    CreateWindowFromTemplate(*dialogTemplate);
    m_ended = false;
    m_result = -1;
    if (OnInitDialog())
        GotoFirstTabStop();
    if (!m_ended) {
        m_running = true;
        m_window->exec();
        m_running = false;
    }
    m_systemMenu.reset();
    m_window.reset();
    if (owner && owner->isVisible())
        owner->activateWindow();
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_ended = true;
    m_result = result;
    if (m_running)
        m_window->done(result);
}

QWidget* CDialog::GetWindow() const
{
    return m_window.get();
}

QWidget* CDialog::GetDlgItem(int id) const
{
    return FindControl(m_window.get(), id);
}

CMenu* CDialog::GetSystemMenu() const
{
    return m_systemMenu.get();
}

void CDialog::SetIcon(const QIcon& icon, bool)
{
    // A Qt window has one icon holding every size, so the big and the small icon are the same.
    if (m_window)
        m_window->setWindowIcon(icon);
}

void CDialog::SendMessage(Message message, int id, std::intptr_t parameter)
{
    for (const MessageMapEntry& entry : GetMessageMap()) {
        if (entry.message != message)
            continue;
        if (message == Message::SysCommand) {
            (this->*entry.sysCommand)(static_cast<unsigned>(id), parameter);
            return;
        }
        if (entry.id == id) {
            (this->*entry.command)();
            return;
        }
    }
    if (message == Message::SysCommand)
        OnSysCommand(static_cast<unsigned>(id), parameter);
    else if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

MessageMap CDialog::GetMessageMap() const
{
    return {};
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnSysCommand(unsigned id, std::intptr_t)
{
    switch (id & 0xFFF0) {
    case kSysCommandClose:
        SendMessage(Message::Command, IDCANCEL);
        break;
    case kSysCommandMove:
        if (m_window && m_window->windowHandle())
            m_window->windowHandle()->startSystemMove();
        break;
    default:
        break;
    }
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dataExchange{*this, saveAndValidate};
    DoDataExchange(&dataExchange);
    return true;
}

void CDialog::CreateWindowFromTemplate(const res::DialogTemplate& dialogTemplate)
{
    m_window = std::make_unique<DialogWindow>(*this);
    m_window->setWindowFlags(WindowFlagsOf(dialogTemplate.style));
    m_window->setWindowTitle(FromUtf8(dialogTemplate.caption));
    // The desktop's own interface font stands in for the template's font, so that the window
    // keeps its proportions at whatever size that font is.
    const DialogBaseUnits units = DialogBaseUnitsOf(m_window->font());
    m_window->setFixedSize(MapDialogRect({0, 0, dialogTemplate.width, dialogTemplate.height}, units).size());

    QWidget* previousTabStop = nullptr;
    for (const res::ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control, m_window.get());
        widget->setGeometry(MapDialogRect(RectOf(control), units));
        if (control.kind == res::ControlKind::Icon)
            widget->resize(widget->sizeHint());
        if (control.kind == res::ControlKind::StaticText)
            FitStaticText(widget, m_window->width());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QObject::connect(button, &QAbstractButton::clicked, m_window.get(),
                             [this, id = control.id] { SendMessage(Message::Command, id); });
        }
        if (IsTabStop(widget)) {
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
    }
    NameControls(m_window.get(), dialogTemplate.accessibleNames);

    if (dialogTemplate.style & res::dialog_style::SystemMenu) {
        m_systemMenu = std::make_unique<CMenu>();
        m_systemMenu->AppendItem(kSysCommandMove, QStringLiteral("&Move"));
        m_systemMenu->AppendItem(kSysCommandClose, QStringLiteral("&Close"));
    }
}

void CDialog::GotoFirstTabStop()
{
    for (QWidget* child : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (IsTabStop(child) && child->isEnabled()) {
            child->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CDialog::TrackSystemMenu(const QPoint& globalPosition)
{
    if (!m_systemMenu)
        return;
    if (const unsigned id = m_systemMenu->TrackPopupMenu(globalPosition))
        SendMessage(Message::SysCommand, static_cast<int>(id));
}
