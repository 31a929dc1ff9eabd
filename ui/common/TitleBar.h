#pragma once

class QWidget;

namespace look {

// On Wayland, where the compositor leaves the title bar to the program (Weston, or sway with
// client-side decorations), Qt draws one that always offers to maximize, which a window of fixed
// size cannot honour. There the window draws its own instead, above its contents: its title, and
// buttons to minimize (for a main window) and close it; the bar moves the window when dragged.
// Elsewhere, or where the compositor draws title bars, this does nothing.
void OwnTitleBarWhereQtWouldDrawOne(QWidget* window);

} // namespace look
