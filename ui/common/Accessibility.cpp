#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>

namespace look {
namespace {

struct AccessibleText {
    Q_DECLARE_TR_FUNCTIONS(look)
};

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

// A one-line text box as Qt shows it, except for its text's attributes: Qt tells a run of no
// characters at each offset, from which Orca takes the text to end one character early ("Bob"
// is read "Bo"). The box has no attributes of its own, so one run covers the whole text.
class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.passwordEdit = hidden();
        state.selectableText = true;
        state.supportsAutoCompletion = box()->completer() != nullptr;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return shown();
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = buddyCaption();
        return text;
    }

    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind != QAccessible::Value) {
            QAccessibleWidget::setText(kind, text);
            return;
        }
        replaceText(0, characterCount(), text);
    }

    // The text interface, on the text as shown (a password's as its bullets).
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    QString attributes(int offset, int* start, int* end) const override
    {
        Q_UNUSED(offset);
        *start = 0;
        *end = characterCount();
        return {};
    }
    QRect characterRect(int offset) const override
    {
        // Measured from the caret, which Qt places with the box's scrolling and margins.
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics(box()->font());
        const QString text = shown();
        const int x = caret.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(box()->cursorPosition()));
        const QRect character(x, caret.top(), metrics.horizontalAdvance(text.mid(offset, 1)),
                              caret.height());
        return QRect(box()->mapToGlobal(character.topLeft()), character.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        Q_UNUSED(end);
        box()->setCursorPosition(start);
    }
    // A password's characters are not told by words or lines either.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override
    {
        if (hidden())
            return nothing(start, end);
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override
    {
        if (hidden())
            return nothing(start, end);
        return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override
    {
        if (hidden())
            return nothing(start, end);
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end);
    }

    // The editable text interface: changes as the user would make them, refused when read-only.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (box()->isReadOnly())
            return;
        box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    bool hidden() const { return box()->echoMode() != QLineEdit::Normal; }
    QString shown() const { return hidden() ? box()->displayText() : box()->text(); }
    static QString nothing(int* start, int* end)
    {
        *start = *end = -1;
        return {};
    }
    // The caption of a label whose buddy the box is, as Qt's own interface names the box.
    QString buddyCaption() const
    {
        if (!box()->parentWidget())
            return {};
        const QList<QLabel*> labels = box()->parentWidget()->findChildren<QLabel*>();
        for (const QLabel* label : labels)
            if (label->buddy() == box())
                return QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return {};
    }
};

QAccessibleInterface* LineEditFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit") && object && object->isWidgetType())
        return new LineEditAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

// The text box whose focus was reported before the box handled it; Qt's own report of the same
// focus change, which follows, is left out. A screen reader hearing the focus twice takes the
// first for a duplicate of the second, adopts the box silently as its text changes in between,
// and has nothing new to say at the second.
QPointer<QObject> earlyFocus;

QString KindOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical:
        return AccessibleText::tr("Error");
    case QMessageBox::Warning:
        return AccessibleText::tr("Warning");
    case QMessageBox::Information:
        return AccessibleText::tr("Information");
    case QMessageBox::Question:
        return AccessibleText::tr("Question");
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

// Ctrl+Right (with Shift, selecting): to the end of the word at or after the caret.
void ToEndOfWord(QTextEdit* text, bool selecting)
{
    QTextCursor cursor = text->textCursor();
    const auto mode = selecting ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    const int from = cursor.position();
    cursor.movePosition(QTextCursor::EndOfWord, mode);
    if (cursor.position() == from) {
        cursor.movePosition(QTextCursor::NextWord, mode);
        cursor.movePosition(QTextCursor::EndOfWord, mode);
    }
    text->setTextCursor(cursor);
}

class AccessibilityFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            // Runs before the box's own handling of the event, which selects or changes its
            // text.
            if ((qobject_cast<QLineEdit*>(watched) || qobject_cast<QTextEdit*>(watched)) &&
                QAccessible::isActive()) {
                earlyFocus = nullptr;
                QAccessibleEvent focus(watched, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
                earlyFocus = watched;
                // Qt reports the focus within this same change, or not at all.
                QTimer::singleShot(0, qApp, [] { earlyFocus = nullptr; });
            }
            break;
        case QEvent::Show:
            // Named by its title alone, a box would not say whether it tells of an error.
            if (auto* box = qobject_cast<QMessageBox*>(watched);
                box && box->accessibleName().isEmpty() && !KindOf(box->icon()).isEmpty())
                box->setAccessibleName(AccessibleText::tr("%1: %2", "kind of message: title")
                                           .arg(KindOf(box->icon()), box->windowTitle()));
            break;
        case QEvent::KeyPress:
            if (auto* text = qobject_cast<QTextEdit*>(watched); text && QAccessible::isActive()) {
                const auto* key = static_cast<QKeyEvent*>(event);
                const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
                if (key->key() == Qt::Key_Right &&
                    (modifiers == Qt::ControlModifier ||
                     modifiers == (Qt::ControlModifier | Qt::ShiftModifier))) {
                    ToEndOfWord(text, modifiers & Qt::ShiftModifier);
                    return true;
                }
            }
            break;
        default:
            break;
        }
        return false;
    }
};

// Where screen readers listen through AT-SPI (Linux and the BSDs, X and Wayland alike), the
// accessibility events pass here first.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
QAccessible::UpdateHandler platformHandler = nullptr;

void OnUpdate(QAccessibleEvent* event);

// On to the platform's bridge, past this handler.
void Report(QAccessibleEvent* event)
{
    if (platformHandler) {
        platformHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(OnUpdate);
}

// A list whose own focus was just reported, which a screen reader speaks with its value: the
// focus returning to the list from its open list, where the value was chosen and heard.
QPointer<QObject> listJustFocused;

// A closed list (not editable) whose value changes by Up, Down, Home or End: Qt tells AT-SPI
// that the list's name changed, which Orca takes for a redundant notification, and that its
// selection changed, which Orca then asks of a selection interface that Qt 6.4 does not offer.
// The item now current is reported as focused instead, as the lists of other toolkits lead
// Orca to it, and Orca speaks the new value.
void TellNewValue(QComboBox* list)
{
    if (list->isEditable() || !list->hasFocus() || list->view()->isVisible() ||
        listJustFocused == list)
        return;
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface* items = box && box->childCount() > 0 ? box->child(0) : nullptr;
    const int current = list->currentIndex();
    if (!items || current < 0 || current >= items->childCount())
        return;
    if (QAccessibleInterface* item = items->child(current)) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        Report(&focus);
    }
}

void OnUpdate(QAccessibleEvent* event)
{
    switch (event->type()) {
    case QAccessible::Focus:
        if (earlyFocus && event->object() == earlyFocus) {
            earlyFocus = nullptr;
            return;
        }
        earlyFocus = nullptr;
        if (qobject_cast<QComboBox*>(event->object())) {
            listJustFocused = event->object();
            QTimer::singleShot(0, qApp, [] { listJustFocused = nullptr; });
        }
        Report(event);
        break;
    case QAccessible::ValueChanged:
        Report(event);
        if (auto* list = qobject_cast<QComboBox*>(event->object()))
            TellNewValue(list);
        break;
    case QAccessible::TableModelChanged:
        // Qt has told the table already, before this handler; AT-SPI has no such event.
        break;
    default:
        Report(event);
        break;
    }
}

void InstallUpdateHandler()
{
    platformHandler = QAccessible::installUpdateHandler(OnUpdate);
}
#else
void InstallUpdateHandler() {}
#endif

// See ReachableWhileAssisted.
class ReachableParts final : public QObject {
public:
    ReachableParts(const QList<QWidget*>& parts, QWidget* then)
        : QObject(parts.constFirst()->window()), then_(then)
    {
        for (QWidget* part : parts)
            parts_.append(part);
        parts.constFirst()->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        const bool assisted = QAccessible::isActive();
        QWidget* previous = nullptr;
        for (const QPointer<QWidget>& part : std::as_const(parts_)) {
            if (!part)
                continue;
            part->setFocusPolicy(assisted ? Qt::TabFocus : Qt::NoFocus);
            if (assisted && previous)
                QWidget::setTabOrder(previous, part);
            previous = part;
        }
        if (assisted && previous && then_)
            QWidget::setTabOrder(previous, then_);
        if (assisted && parts_.constFirst())
            parts_.constFirst()->setFocus(Qt::OtherFocusReason);
        return false;
    }

private:
    QList<QPointer<QWidget>> parts_;
    QPointer<QWidget> then_;
};

} // namespace

void InstallAccessibility()
{
    QAccessible::installFactory(RoleFactory);
    QAccessible::installFactory(LineEditFactory);
    qApp->installEventFilter(new AccessibilityFilter(qApp));
    InstallUpdateHandler();
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

void ReachableWhileAssisted(const QList<QWidget*>& parts, QWidget* then)
{
    if (!parts.isEmpty())
        new ReachableParts(parts, then);
}

} // namespace look
