#include "record_session.h"

#include "app/toolkit/report_list_view.h"
#include "res/resource.h"
#include "tests/support/user_actions.h"

namespace {

constexpr std::array kNameIds = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
constexpr std::array kDataIds = {IDC_DATA1, IDC_DATA2, IDC_DATA3, IDC_DATA4};
constexpr std::array kCategoryIds = {IDC_CATEGORY1, IDC_CATEGORY2, IDC_CATEGORY3, IDC_CATEGORY4};

} // namespace

RecordDialogState ReadRecordDialog(QWidget* window)
{
    RecordDialogState state;
    const ListItemModel& items = user::List(window, IDC_RECORD_LIST)->items();
    for (int position = 0; position < 4; ++position) {
        state.columnShown[position] = user::ColumnShown(window, IDC_RECORD_LIST, position);
        state.headings[position] = user::Heading(window, IDC_RECORD_LIST, position);
        state.categoryFields[position] = user::Text(window, kCategoryIds[position]);
    }
    for (int row = 0; row < items.ItemCount(); ++row)
        state.rows.push_back({items.Cell(row, 0), items.Cell(row, 1), items.Cell(row, 2), items.Cell(row, 3)});
    return state;
}

void TypeCategoryNames(QWidget* window, const Names& names)
{
    for (std::size_t position = 0; position < names.size(); ++position)
        user::Type(window, kNameIds[position], names[position]);
}

Names CategoryEditTexts(QWidget* window)
{
    Names texts;
    for (std::size_t position = 0; position < texts.size(); ++position)
        texts[position] = user::Text(window, kNameIds[position]);
    return texts;
}

void AddRecord(QWidget* window, const Row& row)
{
    for (std::size_t position = 0; position < row.size(); ++position)
        user::Type(window, kDataIds[position], row[position]);
    user::Click(window, IDC_ADD);
}

void StartWithNames(ModalDriver& driver, const Names& names)
{
    driver.OnDialog("Category name", [names](QWidget* window) {
        TypeCategoryNames(window, names);
        user::Click(window, IDC_NEXT);
    });
}
