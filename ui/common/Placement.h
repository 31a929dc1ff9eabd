#pragma once

// Where the windows go and how they end up: a fixed size that makes room for their texts, the
// program's title, centring with the frame, and showing without taking the keyboard's focus.

class QWidget;

namespace look {

// Fixes a top-level window to its content's size after making room for its texts, gives it the
// program's title, and centres it on the screen.
void FinishWindow(QWidget* window);

// To be called as a window is shown that must not take the keyboard's focus from the active
// program (with Qt::WA_ShowWithoutActivating): window managers that ignore the time of the
// user's last input (icewm, fluxbox) honour a window that declares it takes no input. It takes
// input again once it is up, so that a click into it works.
void ShowWithoutTakingFocus(QWidget* window);

} // namespace look
