#pragma once

// Helpers for tests that drive the real windows on the recording platform, by object name,
// clicks, keys and menu actions.

#include "Program.h"
#include "RecordingPlatform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>

namespace kinmatch::testing {

// The access keys a window offers: its shown buttons' and its menu bar's.
inline QStringList AccessKeys(QWidget* window)
{
    QStringList keys;
    const auto add = [&](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys << key.toString();
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window))
            add(button->text());
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (QAction* action : main->menuBar()->actions())
            if (action->isVisible())
                add(action->text());
    return keys;
}

// The visible top-level windows, by object name.
inline QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !widget->inherits("QMenu"))
            names << widget->objectName();
    names.sort();
    return names;
}

template <typename T = QWidget> T* Child(QObject* window, const char* name)
{
    T* child = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!child)
        qWarning("no child named %s", name);
    return child;
}

// What a label or a text box named name shows.
inline QString TextOf(QObject* window, const char* name)
{
    if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    if (auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return box->text();
    if (auto* list = window->findChild<QComboBox*>(QString::fromLatin1(name)))
        return list->currentText();
    qWarning("no text control named %s", name);
    return {};
}

// A left click in the middle of the button named name, as the user gives it.
inline void Click(QObject* window, const char* name)
{
    if (auto* button = Child<QAbstractButton>(window, name))
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

inline void Trigger(QObject* window, const char* menuItem)
{
    if (auto* action = Child<QAction>(window, menuItem))
        action->trigger();
}

// The control that Tab moves to from widget.
inline QWidget* NextTabStop(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget &&
           !((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(widget->window())))
        next = next->nextInFocusChain();
    return next;
}

// Lets closed windows be deleted.
inline void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The set-up every window test shares: a recording platform and a program started on it; at the
// end the program is ended as its Exit would, and the test fails if a window is still shown.
struct RunningProgram {
    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<Program> program;

    void start(const std::function<void(RecordingPlatform&)>& setUp = {})
    {
        platform = std::make_unique<RecordingPlatform>();
        if (setUp)
            setUp(*platform);
        program = std::make_unique<Program>(*platform);
        QVERIFY(program->start());
    }

    void end()
    {
        if (program)
            program->EndProgram();
        Settle();
        program.reset();
        Settle();
        QVERIFY2(VisibleWindows().isEmpty(), qPrintable(VisibleWindows().join(QLatin1Char(','))));
    }
};

// Answers the next modal dialog that opens while it lives, within a bounded time. A dialog that
// was already up when it was made is not answered, and once it goes out of scope it answers
// nothing, so it can never answer a later test's dialog.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> action,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5))
        : action_(std::move(action)), before_(QApplication::activeModalWidget())
    {
        started_.start();
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this, timeout] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != before_) {
                poll_.stop();
                answered_ = true;
                action_(modal);
            } else if (started_.elapsed() > timeout.count()) {
                poll_.stop();
            }
        });
        poll_.start(10);
    }
    bool answered() const { return answered_; }

private:
    std::function<void(QWidget*)> action_;
    QPointer<QWidget> before_;
    QElapsedTimer started_;
    QTimer poll_;
    bool answered_ = false;
};

// Picks a list item by its text, as the user would.
inline void Choose(QComboBox* list, const QString& text)
{
    QVERIFY(list);
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
}

} // namespace kinmatch::testing
