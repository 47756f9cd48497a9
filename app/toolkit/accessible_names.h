#pragma once

#include "res/dialog_templates.h"

#include <span>

class QWidget;

// Gives each control the table names the accessible name composed from its heading and label, and
// keeps it in step with an edit's text that takes part in it.
void NameControls(QWidget* window, std::span<const res::AccessibleName> names);
