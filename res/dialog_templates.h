#pragma once

#include <span>
#include <string_view>

namespace res {

// What a control is; the toolkit picks the widget for each kind.
enum class ControlKind
{
    Edit,
    PushButton,
    StaticText,
    Icon,
    ListView,
};

// Control styles, as bits; a control has the behaviour of every bit it carries.
namespace style {
constexpr unsigned Border = 1u << 0;
constexpr unsigned TabStop = 1u << 1;
constexpr unsigned AutoHorizontalScroll = 1u << 2;
constexpr unsigned ReadOnly = 1u << 3;
constexpr unsigned Group = 1u << 4;
constexpr unsigned DefaultButton = 1u << 5;
constexpr unsigned NoPrefix = 1u << 6;
constexpr unsigned ReportView = 1u << 7;
constexpr unsigned ShowSelectionAlways = 1u << 8;
constexpr unsigned StaticEdge = 1u << 9;
constexpr unsigned CenterImage = 1u << 10;
} // namespace style

// Window styles of a dialog.
namespace dialog_style {
constexpr unsigned Caption = 1u << 0;
constexpr unsigned SystemMenu = 1u << 1;
constexpr unsigned ModalFrame = 1u << 2;
constexpr unsigned Popup = 1u << 3;
constexpr unsigned Visible = 1u << 4;
constexpr unsigned AppWindow = 1u << 5;
} // namespace dialog_style

// A control id for controls that nobody addresses (labels, the icon).
constexpr int kNoControlId = -1;

// Where a control's accessible name, the name a screen reader announces, comes from: the texts of
// up to two controls of the same dialog, the heading above it and the label or field beside it.
// In the pattern, "%1" and "%2" stand for those texts without their closing colon and blanks.
// While a text the pattern uses is empty, the fallback pattern names the control instead. The
// name follows the texts whenever they change.
struct AccessibleName
{
    int controlId;
    std::string_view pattern;
    int source1;
    int source2 = kNoControlId;
    std::string_view fallback = {};
};

struct ControlTemplate
{
    int id;
    ControlKind kind;
    std::string_view text; // UTF-8; "&" marks the access key unless the style says NoPrefix
    int x, y, width, height; // dialog units
    unsigned style;
    int iconResource = 0; // for ControlKind::Icon
};

struct DialogTemplate
{
    int id;
    std::string_view caption;
    int width, height; // client area, dialog units
    std::string_view fontName;
    int pointSize;
    unsigned style;
    std::span<const ControlTemplate> controls; // creation order, which is also the tab order
    std::span<const AccessibleName> accessibleNames = {};
};

// The width in pixels of every column of the record list.
constexpr int kRecordListColumnWidth = 100;

// The template with the given id, or nullptr when the program has none.
const DialogTemplate* FindDialogTemplate(int id);

} // namespace res
