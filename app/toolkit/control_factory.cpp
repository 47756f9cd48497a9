#include "control_factory.h"

#include "report_list_view.h"
#include "string_resources.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr char kControlIdProperty[] = "controlId";

QString TextOf(const res::ControlTemplate& control)
{
    return QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
}

Qt::FocusPolicy FocusPolicyOf(const res::ControlTemplate& control)
{
    return (control.style & res::style::TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

QWidget* CreateEdit(const res::ControlTemplate& control, QWidget* parent)
{
    auto* edit = new QLineEdit(TextOf(control), parent);
    edit->setFrame(control.style & res::style::Border);
    if (control.style & res::style::ReadOnly) {
        edit->setReadOnly(true);
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        edit->setPalette(colours);
    }
    edit->setFocusPolicy(FocusPolicyOf(control));
    return edit;
}

QWidget* CreatePushButton(const res::ControlTemplate& control, QWidget* parent)
{
    auto* button = new QPushButton(TextOf(control), parent);
    // The dialog turns Enter into command 1 itself; a default button of Qt's would take it first.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(FocusPolicyOf(control));
    return button;
}

QWidget* CreateStaticText(const res::ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(TextOf(control), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* CreateIcon(const res::ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const int size = label->style()->pixelMetric(QStyle::PM_LargeIconSize);
    label->setPixmap(LoadIcon(control.iconResource).pixmap(size, size));
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* CreateListView(const res::ControlTemplate& control, QWidget* parent)
{
    auto* list = new ReportListView(parent);
    list->SetShowSelectionAlways(control.style & res::style::ShowSelectionAlways);
    list->setFocusPolicy(FocusPolicyOf(control));
    return list;
}

} // namespace

QWidget* CreateControl(const res::ControlTemplate& control, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case res::ControlKind::Edit:
        widget = CreateEdit(control, parent);
        break;
    case res::ControlKind::PushButton:
        widget = CreatePushButton(control, parent);
        break;
    case res::ControlKind::StaticText:
        widget = CreateStaticText(control, parent);
        break;
    case res::ControlKind::Icon:
        widget = CreateIcon(control, parent);
        break;
    case res::ControlKind::ListView:
        widget = CreateListView(control, parent);
        break;
    }
    widget->setProperty(kControlIdProperty, control.id);
    return widget;
}

QWidget* FindControl(const QWidget* window, int id)
{
    if (!window || id == res::kNoControlId)
        return nullptr;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property(kControlIdProperty).toInt() == id && child->property(kControlIdProperty).isValid())
            return child;
    }
    return nullptr;
}

bool IsTabStop(const QWidget* control)
{
    return control->focusPolicy() == Qt::StrongFocus;
}
