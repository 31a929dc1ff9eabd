#pragma once

// What screen readers need of the windows beyond Qt's defaults.

#include <QAccessible>
#include <QList>

class QWidget;

namespace look {

// Installs, once, for the whole program: the roles and states below; a text box's focus
// reported once, before anything the box says on receiving it (its text selected on Tab, its
// caret moved, a placeholder removed), so that a screen reader names the box before its
// contents; a one-line box's text told whole (Qt's own interface loses its last character in
// Orca); a closed list's new value told as it changes; a message box named by its kind (error,
// warning, information, question); and, while assistive technology is active, Ctrl+Right in a
// rich text ending at the end of a word, where screen readers on the Linux desktop expect it.
void InstallAccessibility();

// The role a widget shows to screen readers in place of Qt's default for its class (a plain
// widget that is a window shows as a window, a line as a separator); a window shows its
// modality too.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// Controls that show the window's content and take no keyboard focus (labels, pictures): while
// assistive technology is active when their window is shown, they take the focus by Tab, in
// this order and before `then`, and the first has it as the window opens, so that a screen
// reader reads the content first and a keyboard user reaches each part. Otherwise nothing
// changes: the window's look and its tab order stay as they are.
void ReachableWhileAssisted(const QList<QWidget*>& parts, QWidget* then);

} // namespace look
