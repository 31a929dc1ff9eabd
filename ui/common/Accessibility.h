#pragma once

// What screen readers need of the windows beyond Qt's defaults.

#include <QAccessible>

class QWidget;

namespace look {

// Installs, once, for the whole program: the roles and states below, and a text box's focus
// reported before anything the box says on receiving it (its text selected on Tab, its caret
// moved, a placeholder removed), so that a screen reader names the box before its contents.
void InstallAccessibility();

// The role a widget shows to screen readers in place of Qt's default for its class (a plain
// widget that is a window shows as a window, a line as a separator); a window shows its
// modality too.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace look
