#pragma once

// Helpers for tests that drive the real windows on the recording platform.

#include "Program.h"
#include "RecordingPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace kinmatch::testing {

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

template <typename T = QWidget> T* Child(QWidget* window, const char* name)
{
    T* child = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!child)
        qWarning("no child named %s", name);
    return child;
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

// Ends the program as its Exit would, lets its windows go, and fails the test if any window is
// still on the screen.
inline void EndAndExpectNoWindowLeft(std::unique_ptr<Program>& program)
{
    if (program)
        program->EndProgram();
    Settle();
    program.reset();
    Settle();
    QVERIFY2(VisibleWindows().isEmpty(), qPrintable(VisibleWindows().join(QLatin1Char(','))));
}

// Runs action once the next modal dialog is up, so that a test can answer a window shown with
// exec().
inline void WhenModal(std::function<void(QWidget*)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(10);
}

// Picks a list item by its text, as the user would.
inline void Choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
}

} // namespace kinmatch::testing
