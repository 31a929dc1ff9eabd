#include "KeyboardFocus.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace look {

bool KeyboardInProgram()
{
#if QT_CONFIG(xcb)
    // Other platforms (offscreen among them) may offer the interface without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && x11 && x11->connection()) {
        xcb_connection_t* connection = x11->connection();
        xcb_get_input_focus_reply_t* reply =
            xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
        if (!reply)
            return false;
        const xcb_window_t focus = reply->focus;
        std::free(reply);
        const QWindowList windows = QGuiApplication::topLevelWindows();
        return std::any_of(windows.cbegin(), windows.cend(), [focus](const QWindow* window) {
            return window->handle() && window->winId() == focus;
        });
    }
#endif
    return QGuiApplication::focusWindow() != nullptr;
}

} // namespace look
