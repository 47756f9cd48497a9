#pragma once

#include <QString>
#include <Qt>

class QLineEdit;
class QWidget;
class ReportListView;

// What a user does to a dialog's controls, addressed by control id.
namespace user {

QWidget* Control(QWidget* window, int id);
QLineEdit* Edit(QWidget* window, int id);
ReportListView* List(QWidget* window, int id);

// Clicks into the edit and types the text over whatever it held.
void Type(QWidget* window, int id, const QString& text);
// Clicks into the edit and pastes the text from the clipboard over whatever it held.
void Paste(QWidget* window, int id, const QString& text);
void Click(QWidget* window, int id);
// A key press as the focused control of the window receives it.
void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickRow(QWidget* window, int listId, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void RightClick(QWidget* window);

QString Text(QWidget* window, int id);
// The heading of a visible list column, or nothing when the position has no column.
QString Heading(QWidget* window, int listId, int position);
bool ColumnShown(QWidget* window, int listId, int position);
// The text a visible cell shows.
QString Cell(QWidget* window, int listId, int row, int position);
int RowCount(QWidget* window, int listId);

} // namespace user
