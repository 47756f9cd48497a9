#pragma once

#include <QIcon>
#include <QString>

// A string-table entry; a missing id gives an empty string.
QString LoadString(unsigned id);

// An icon resource of the program.
QIcon LoadIcon(int id);

// The executable's file name without its extension, the caption of every message box.
QString ApplicationTitle();

// Shows a string-table entry in a modal message box with an OK button and the exclamation icon;
// returns when it is dismissed.
int AfxMessageBox(unsigned stringId);
// The same for a text composed at run time.
int AfxMessageBox(const QString& text);
