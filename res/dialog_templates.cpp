// The program's dialog templates: positions and sizes are in dialog units.
#include "dialog_templates.h"

#include "res/resource.h"

#include <algorithm>
#include <array>

namespace res {
namespace {

using enum ControlKind;
using namespace style;

constexpr unsigned kFrame = dialog_style::Popup | dialog_style::Caption | dialog_style::SystemMenu |
                            dialog_style::ModalFrame;
constexpr unsigned kEntryEdit = Border | TabStop | AutoHorizontalScroll;
constexpr unsigned kReadOnlyEdit = kEntryEdit | ReadOnly;
constexpr unsigned kButton = TabStop;
constexpr unsigned kList = ReportView | ShowSelectionAlways | Border | StaticEdge | TabStop;

// Ids of the labels that name other controls; no handler addresses them.
constexpr int kAddedDataLabel = 1100;
constexpr int kCategoryHeading = 1101;
constexpr int kDataHeading = 1102;
constexpr int kPositionLabel1 = 1103;
constexpr int kPositionLabel2 = 1104;
constexpr int kPositionLabel3 = 1105;
constexpr int kPositionLabel4 = 1106;

constexpr ControlTemplate kAboutControls[] = {
    {kNoControlId, Icon, "", 11, 17, 20, 20, CenterImage, IDR_MAINFRAME},
    {kNoControlId, StaticText, "Tabloom Version 1.0", 40, 10, 119, 8, Group | NoPrefix},
    {kNoControlId, StaticText, "Copyright (C) 2002", 40, 25, 119, 8, Group},
    {IDOK, PushButton, "OK", 178, 7, 50, 16, DefaultButton | Group | TabStop},
};

constexpr ControlTemplate kRecordEntryControls[] = {
    {IDC_DATA1, Edit, "", 169, 29, 115, 15, kEntryEdit},
    {IDC_DATA2, Edit, "", 169, 47, 115, 15, kEntryEdit},
    {IDC_DATA3, Edit, "", 169, 66, 115, 15, kEntryEdit},
    {IDC_DATA4, Edit, "", 169, 85, 115, 15, kEntryEdit},
    {IDC_ADD, PushButton, "&Add", 197, 113, 46, 15, kButton},
    {IDC_DELETE, PushButton, "&Delete", 147, 113, 46, 15, kButton},
    {IDC_CLEAR_ALL, PushButton, "&Clear All", 97, 113, 46, 15, kButton},
    {IDC_CHANGE_CATEGORY, PushButton, "Change Category", 27, 103, 64, 14, kButton},
    {IDC_RECORD_LIST, ListView, "", 7, 134, 291, 84, kList},
    {IDC_FINISH, PushButton, "&Finish", 251, 114, 46, 15, kButton},
    {kAddedDataLabel, StaticText, "Added data:", 19, 120, 52, 9, 0},
    {kNoControlId, StaticText, "Please complete the information in the text box and click on Add.", 7, 7, 221, 12, 0},
    {kCategoryHeading, StaticText, "Category:", 7, 17, 44, 9, 0},
    {kDataHeading, StaticText, "Data:", 156, 18, 25, 9, 0},
    {IDC_CATEGORY1, Edit, "", 27, 29, 115, 15, kReadOnlyEdit},
    {IDC_CATEGORY2, Edit, "", 27, 47, 115, 15, kReadOnlyEdit},
    {IDC_CATEGORY3, Edit, "", 27, 66, 115, 15, kReadOnlyEdit},
    {IDC_CATEGORY4, Edit, "", 27, 84, 115, 15, kReadOnlyEdit},
};

constexpr ControlTemplate kCategoryNameControls[] = {
    {IDC_NAME1, Edit, "", 62, 28, 139, 15, kEntryEdit},
    {IDC_NAME2, Edit, "", 61, 47, 139, 15, kEntryEdit},
    {IDC_NAME3, Edit, "", 62, 65, 138, 15, kEntryEdit},
    {IDC_NAME4, Edit, "", 62, 84, 139, 15, kEntryEdit},
    {IDC_NEXT, PushButton, "&Next", 209, 108, 51, 14, kButton},
    {IDCANCEL, PushButton, "Cancel", 159, 108, 50, 14, kButton},
    {kPositionLabel1, StaticText, "1:", 35, 30, 8, 9, Group},
    {kPositionLabel2, StaticText, " 2:", 34, 49, 10, 9, Group},
    {kPositionLabel3, StaticText, "3:", 35, 68, 8, 9, Group},
    {kPositionLabel4, StaticText, "4:", 36, 88, 9, 9, Group},
    {kNoControlId, StaticText, "Please fill out the category name (Column Head) for sorting.", 7, 7, 194, 12, Group},
    {kCategoryHeading, StaticText, "Category:", 13, 17, 36, 9, Group},
};

// A data-entry field is named by the category shown beside it; an unnamed category's field by its
// position under "Data:". The display fields and the name edits are the categories by position.
constexpr AccessibleName kRecordEntryNames[] = {
    {IDC_DATA1, "%2", kDataHeading, IDC_CATEGORY1, "%1 1"},
    {IDC_DATA2, "%2", kDataHeading, IDC_CATEGORY2, "%1 2"},
    {IDC_DATA3, "%2", kDataHeading, IDC_CATEGORY3, "%1 3"},
    {IDC_DATA4, "%2", kDataHeading, IDC_CATEGORY4, "%1 4"},
    {IDC_RECORD_LIST, "%1", kAddedDataLabel},
    {IDC_CATEGORY1, "%1 1", kCategoryHeading},
    {IDC_CATEGORY2, "%1 2", kCategoryHeading},
    {IDC_CATEGORY3, "%1 3", kCategoryHeading},
    {IDC_CATEGORY4, "%1 4", kCategoryHeading},
};

constexpr AccessibleName kCategoryNameNames[] = {
    {IDC_NAME1, "%1 %2", kCategoryHeading, kPositionLabel1},
    {IDC_NAME2, "%1 %2", kCategoryHeading, kPositionLabel2},
    {IDC_NAME3, "%1 %2", kCategoryHeading, kPositionLabel3},
    {IDC_NAME4, "%1 %2", kCategoryHeading, kPositionLabel4},
};

constexpr std::array kDialogTemplates = {
    DialogTemplate{IDD_ABOUTBOX, "About Tabloom", 235, 55, "MS Shell Dlg", 8, kFrame, kAboutControls},
    DialogTemplate{IDD_TABLOOM_DIALOG, "Tabloom", 305, 230, "MS Shell Dlg", 8,
                   kFrame | dialog_style::Visible | dialog_style::AppWindow, kRecordEntryControls, kRecordEntryNames},
    DialogTemplate{IDD_CATEGORYNAME, "Category name", 267, 132, "MS Shell Dlg", 8, kFrame, kCategoryNameControls,
                   kCategoryNameNames},
};

} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto found = std::ranges::find(kDialogTemplates, id, &DialogTemplate::id);
    return found == kDialogTemplates.end() ? nullptr : &*found;
}

} // namespace res
