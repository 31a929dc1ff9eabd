#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>

namespace look {
namespace {

constexpr char RoleProperty[] = "kinmatchAccessibleRole";

class RoledWidget final : public QAccessibleWidget {
public:
    RoledWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->isWindow() && widget()->isModal())
            state.modal = true;
        return state;
    }
};

QAccessibleInterface* RoleFactory(const QString& className, QObject* object)
{
    // Only for the widget's own class, and never once it is being destroyed.
    if (!object || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new RoledWidget(static_cast<QWidget*>(object), QAccessible::Role(role.toInt()));
}

class FocusFirst final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Runs before the box's own handling of the event, which selects or changes its text.
        if (event->type() == QEvent::FocusIn &&
            (qobject_cast<QLineEdit*>(watched) || qobject_cast<QTextEdit*>(watched)) &&
            QAccessible::isActive()) {
            QAccessibleEvent focus(watched, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return false;
    }
};

} // namespace

void InstallAccessibility()
{
    QAccessible::installFactory(RoleFactory);
    qApp->installEventFilter(new FocusFirst(qApp));
}

void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(RoleProperty, int(role));
    // An interface made while the widget was being built (for its creation's event) carries
    // Qt's default; it is made anew.
    if (QAccessible::isActive()) {
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
        if (made && !dynamic_cast<RoledWidget*>(made)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
            QAccessible::queryAccessibleInterface(widget);
        }
    }
    // Destruction may still ask for an interface after the cache has let go of the widget.
    QObject::connect(widget, &QObject::destroyed, widget,
                     [widget] { widget->setProperty(RoleProperty, QVariant()); });
}

} // namespace look
