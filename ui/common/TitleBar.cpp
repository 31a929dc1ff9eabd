#include "TitleBar.h"

#include "Look.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace look {
namespace {

constexpr int BarHeight = 30;

class TitleBar final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TitleBar)

public:
    explicit TitleBar(QWidget* window) : QWidget(window), window_(window)
    {
        setObjectName(QStringLiteral("ownTitleBar"));
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(0xe0, 0xe0, 0xe0));
        colours.setColor(QPalette::WindowText, Qt::black);
        setPalette(colours);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(8, 0, 2, 0);
        auto* title = new QLabel(window->windowTitle(), this);
        title->setFont(UiFont(9.75, true));
        row->addWidget(title, 1);
        // A main window can be minimized; a dialog only closed. Nothing here maximizes.
        if (window->windowType() != Qt::Dialog)
            addButton(row, QStringLiteral("\u2013"), tr("Minimize"),
                      [window] { window->showMinimized(); });
        addButton(row, QStringLiteral("\u00d7"), tr("Close"), [window] { window->close(); });
        setGeometry(0, 0, window->width(), BarHeight);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && window_->windowHandle())
            window_->windowHandle()->startSystemMove();
    }

private:
    template <typename Action>
    void addButton(QHBoxLayout* row, const QString& text, const QString& name, Action action)
    {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setAccessibleName(name);
        button->setToolTip(name);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(BarHeight - 4, BarHeight - 4);
        connect(button, &QToolButton::clicked, this, action);
        row->addWidget(button);
    }

    QWidget* window_;
};

// Put in place once the window is first shown: only then does Qt know whether it decorates the
// window itself.
class OnFirstShow final : public QObject {
public:
    explicit OnFirstShow(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { replaceQtsTitleBar(); });
        }
        return false;
    }

private:
    void replaceQtsTitleBar()
    {
        QWindow* native = window_->windowHandle();
        if (!native || native->frameMargins().top() <= 0)
            return; // the compositor draws the title bar
        // The window grows by the bar, and its contents move below it.
        const QSize size = window_->size();
        if (auto* main = qobject_cast<QMainWindow*>(window_)) {
            main->setContentsMargins(0, BarHeight, 0, 0);
        } else {
            for (QObject* child : window_->children())
                if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
                    widget->move(widget->x(), widget->y() + BarHeight);
        }
        window_->setFixedSize(size.width(), size.height() + BarHeight);
        auto* bar = new TitleBar(window_);
        bar->show();
        bar->raise();
        native->setFlag(Qt::FramelessWindowHint, true);
    }

    QWidget* window_;
};

} // namespace

void OwnTitleBarWhereQtWouldDrawOne(QWidget* window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new OnFirstShow(window);
}

} // namespace look
