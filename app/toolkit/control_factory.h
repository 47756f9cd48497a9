#pragma once

#include "res/dialog_templates.h"

class QWidget;

// Builds the widget for one control of a template, styled as the template says; the caller
// places it.
QWidget* CreateControl(const res::ControlTemplate& control, QWidget* parent);

// The control with the given id among a window's controls, or nullptr.
QWidget* FindControl(const QWidget* window, int id);

// Whether Tab stops on the control.
bool IsTabStop(const QWidget* control);
