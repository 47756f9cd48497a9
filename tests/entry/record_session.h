#pragma once

#include "tests/support/modal_driver.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class QWidget;

// What a test reads off the record-entry dialog: the list's columns, every row's four stored
// cells, and the category display fields.
struct RecordDialogState
{
    std::array<bool, 4> columnShown{};
    std::array<QString, 4> headings;
    std::vector<std::array<QString, 4>> rows;
    std::array<QString, 4> categoryFields;
};

RecordDialogState ReadRecordDialog(QWidget* window);

using Names = std::array<QString, 4>;
using Row = std::array<QString, 4>;

// A user's steps on the dialogs.
void TypeCategoryNames(QWidget* window, const Names& names);
Names CategoryEditTexts(QWidget* window);
void AddRecord(QWidget* window, const Row& row);
// The first step of every session: the category dialog at start-up, left by Next.
void StartWithNames(ModalDriver& driver, const Names& names);
