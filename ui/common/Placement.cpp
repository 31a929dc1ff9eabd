#include "Placement.h"

#include "Accessibility.h"
#include "Look.h"
#include "Room.h"
#include "TitleBar.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace look {

namespace {

void Centre(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

// Centres a window again once it is on the screen, when the window manager has put its frame
// around it: before that only the client area is known, and the window would sit half a title
// bar low. Done once, so a window the user has moved stays where it was put.
class CentreWithFrame : public QObject {
public:
    explicit CentreWithFrame(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [this] { centreWhenFramed(0); });
        return false;
    }

private:
    // The frame's size arrives from the window manager shortly after the window is mapped.
    void centreWhenFramed(int attempt)
    {
        if (window_->frameGeometry() != window_->geometry()) {
            Centre(window_);
            window_->removeEventFilter(this);
        } else if (attempt < 20) {
            QTimer::singleShot(10, this, [this, attempt] { centreWhenFramed(attempt + 1); });
        }
    }

    QWidget* window_;
};

} // namespace

void ShowWithoutTakingFocus(QWidget* window)
{
    // Elsewhere the hint would keep the window from ever taking input (Windows), or is not
    // needed (Wayland gives focus only on the user's request).
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->windowHandle())
        return;
    constexpr int WindowManagerDecidedMilliseconds = 500;
    QWindow* native = window->windowHandle();
    native->setFlag(Qt::WindowDoesNotAcceptFocus, true);
    QTimer::singleShot(WindowManagerDecidedMilliseconds, window,
                       [native] { native->setFlag(Qt::WindowDoesNotAcceptFocus, false); });
}

void FinishWindow(QWidget* window)
{
    window->setWindowTitle(Title());
    // What tells the windows apart on X, whatever their language (their titles are alike).
    window->setWindowRole(window->objectName());
    // A fixed size offers no maximize button (which the window manager would draw inert, and
    // which Qt's own Wayland title bar would offer to a window that cannot grow).
    Qt::WindowFlags flags =
        window->windowFlags() & (Qt::WindowType_Mask | Qt::WindowStaysOnTopHint);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    if (window->windowType() != Qt::Dialog)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    // Screen readers meet a plain window as a window and a dialog with its modality; the main
    // windows' own interface already does both.
    if (!qobject_cast<QMainWindow*>(window))
        SetAccessibleRole(window, qobject_cast<QDialog*>(window) ? QAccessible::Dialog
                                                                 : QAccessible::Window);
    MakeRoom(window);
    if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->adjustSize();
    window->setFixedSize(window->size());
    Centre(window);
    new CentreWithFrame(window);
    OwnTitleBarWhereQtWouldDrawOne(window);
}

} // namespace look
