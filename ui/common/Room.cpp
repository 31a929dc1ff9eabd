#include "Room.h"

#include "Controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <QStyle>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace look {
namespace {

constexpr char EnglishGeometry[] = "kinmatchEnglishGeometry";
// A control this close to an edge of its container keeps to that edge.
constexpr int Edge = 12;
// What a growing control leaves free before the next one, once it has grown into the room
// between them.
constexpr int Gap = 6;

// The geometry the window was built with: the floor, whatever the language.
QRect English(QWidget* widget)
{
    const QVariant kept = widget->property(EnglishGeometry);
    if (kept.isValid())
        return kept.toRect();
    widget->setProperty(EnglishGeometry, widget->geometry());
    return widget->geometry();
}

QString Shown(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The room a control's text needs at a width; zero where it needs none of its own.
QSize TextNeed(QWidget* widget, int width)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        const QFontMetrics metrics(label->font());
        const int margins = 2 * label->margin();
        if (label->wordWrap()) {
            // Its width as built, unless one word is wider; its height for that width.
            int word = 0;
            for (const QString& part :
                 label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                word = std::max(word, metrics.horizontalAdvance(part));
            const int lineWidth = std::max(width, word + margins);
            return {word + margins,
                    metrics.boundingRect(QRect(0, 0, lineWidth - margins, 100000),
                                         int(label->alignment()) | Qt::TextWordWrap, label->text())
                            .height() +
                        margins};
        }
        return metrics.size(Qt::TextShowMnemonic, label->text()) + QSize(margins, margins);
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        const auto* frame = qobject_cast<Frame*>(group);
        const QFontMetrics metrics(frame ? frame->captionFont() : group->font());
        // The caption starts 8 pixels in and keeps as much clear at its end.
        return {metrics.horizontalAdvance(Shown(group->title())) + 2 * 8 + 4, 0};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QFontMetrics metrics(button->font());
        int extra = 12;
        if (!qobject_cast<QPushButton*>(button)) // the box of a check box, and its gap
            extra = button->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 4;
        return {metrics.horizontalAdvance(Shown(button->text())) + extra, metrics.height() + 2};
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        const QFontMetrics metrics(box->font());
        return {metrics.horizontalAdvance(box->text()) + 8, metrics.height() + 2};
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        const QFontMetrics metrics(list->font());
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
        const int arrow = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return {widest + arrow + 10, metrics.height() + 2};
    }
    return {};
}

bool IsButton(QWidget* widget)
{
    return qobject_cast<QPushButton*>(widget);
}

bool IsContainer(QWidget* widget)
{
    return qobject_cast<QGroupBox*>(widget) || qobject_cast<Panel*>(widget);
}

struct Item {
    QWidget* widget;
    QRect english;
    int x, y, width, height;
    bool container;
};

int Shared(int start, int length, int otherStart, int otherLength)
{
    return std::min(start + length, otherStart + otherLength) - std::max(start, otherStart);
}

// Two controls share a row when more than the edge of a pixel of them does in English; a
// column, as their widths placed them (a text that grew may have moved the next control clear).
bool SameRow(const Item& a, const Item& b)
{
    return Shared(a.english.y(), a.english.height(), b.english.y(), b.english.height()) > 1;
}
bool SameColumn(const Item& a, const Item& b)
{
    return Shared(a.x, a.width, b.x, b.width) > 1;
}

QSize Arrange(QWidget* container, QSize floor);

// One axis of the arrangement: sizes grown to their needs, controls of one English place and
// size kept alike, a control pushed along by what grew before it, the container grown to keep
// every English margin, and then controls that kept to an edge or to the middle put back there.
struct Axis {
    int Item::*place;
    int Item::*size;
    int (QRect::*englishPlace)() const;
    int (QRect::*englishSize)() const;
    bool (*sameBand)(const Item&, const Item&);
};

int Lay(std::vector<Item>& items, const Axis& axis, int englishExtent, int floor)
{
    const auto englishEnd = [&](const Item& item) {
        return (item.english.*axis.englishPlace)() + (item.english.*axis.englishSize)();
    };
    // Controls built at one place and size stay alike.
    for (Item& a : items)
        for (const Item& b : items)
            if ((a.english.*axis.englishPlace)() == (b.english.*axis.englishPlace)() &&
                (a.english.*axis.englishSize)() == (b.english.*axis.englishSize)())
                a.*axis.size = std::max(a.*axis.size, b.*axis.size);
    // Pushed along, in English order, by what lies before them in their band; controls that
    // started at one place keep starting at one place.
    std::vector<Item*> order;
    for (Item& item : items)
        order.push_back(&item);
    std::stable_sort(order.begin(), order.end(), [&](const Item* a, const Item* b) {
        return (a->english.*axis.englishPlace)() < (b->english.*axis.englishPlace)();
    });
    const auto push = [&] {
        for (Item* b : order) {
            const int start = (b->english.*axis.englishPlace)();
            int place = std::max(b->*axis.place, start);
            // A control that grew eats into the room before the next first; controls that
            // were built over each other (a text sized to its translation) are set apart.
            for (const Item* a : order) {
                if (a == b || (a->english.*axis.englishPlace)() >= start || !axis.sameBand(*a, *b))
                    continue;
                const int gap = start - englishEnd(*a);
                const int kept = gap < -1 ? Gap : std::min(gap, Gap);
                place = std::max(place, a->*axis.place + a->*axis.size + kept);
            }
            for (const Item* a : order)
                if ((a->english.*axis.englishPlace)() == start)
                    place = std::max(place, a->*axis.place);
            b->*axis.place = place;
        }
    };
    // Controls that ended together still do: the shorter grows, or a button moves along.
    const auto alignEnds = [&] {
        for (Item& a : items) {
            int end = a.*axis.place + a.*axis.size;
            for (const Item& b : items)
                if (englishEnd(b) == englishEnd(a))
                    end = std::max(end, b.*axis.place + b.*axis.size);
            if (IsButton(a.widget))
                a.*axis.place = end - a.*axis.size;
            else
                a.*axis.size = end - a.*axis.place;
        }
    };
    // Twice over: what an alignment moved may push what follows it.
    for (int pass = 0; pass < 2; ++pass) {
        push();
        alignEnds();
    }
    push();
    // The container holds every control with the margin it had where that was a small one (a
    // control kept to the edge keeps to it), and at least that much where it was larger: a
    // control grows into free room before the container grows.
    const auto after = [&](const Item& item) { return englishExtent - englishEnd(item); };
    int extent = floor;
    for (const Item& item : items)
        extent = std::max(extent, item.*axis.place + item.*axis.size + std::min(after(item), Edge));
    // Back to the edges and the middle they kept to in English: a text or a frame that reached
    // to the far edge stretches to it; a control on the far side (a button) moves along to it,
    // with what sits against it; one in the middle stays there.
    for (Item& item : items) {
        const int before = (item.english.*axis.englishPlace)();
        const bool pushed = item.*axis.place != before;
        const bool stretches = item.container || qobject_cast<QTextEdit*>(item.widget) ||
                               (qobject_cast<QLabel*>(item.widget) &&
                                static_cast<QLabel*>(item.widget)->pixmap().isNull());
        if (after(item) <= Edge && (before <= Edge || (stretches && before < englishExtent / 2))) {
            item.*axis.size = std::max(item.*axis.size, extent - item.*axis.place - after(item));
        } else if (!pushed && std::abs(before - after(item)) <= 2) {
            item.*axis.place = std::max(Edge, (extent - item.*axis.size) / 2);
        } else if (after(item) <= Edge && before >= englishExtent / 2 && IsButton(item.widget)) {
            const int shift = extent - after(item) - (item.*axis.place + item.*axis.size);
            if (shift <= 0)
                continue;
            // What sits against it in its band moves with it.
            for (Item& other : items)
                if (&other != &item && axis.sameBand(other, item) &&
                    (other.english.*axis.englishPlace)() >= englishExtent / 2 &&
                    englishEnd(other) <= before && before - englishEnd(other) <= Edge)
                    other.*axis.place += shift;
            item.*axis.place += shift;
        }
    }
    return extent;
}

// A text aligned to the far edge grows towards the near one, into the room before it in its row,
// as though it had been built that wide.
void GrowTowardsStart(std::vector<Item>& items, int englishWidth)
{
    for (Item& item : items) {
        const auto* label = qobject_cast<QLabel*>(item.widget);
        const int growth = item.width - item.english.width();
        if (!label || !(label->alignment() & Qt::AlignRight) || growth <= 0 ||
            englishWidth - item.english.right() - 1 > Edge)
            continue;
        int start = std::min(item.english.x(), Edge);
        for (const Item& other : items)
            if (&other != &item && SameRow(other, item) && other.english.right() < item.english.x())
                start = std::max(start, other.english.right() + 1 + Gap);
        const int left = std::max(start, item.english.x() - growth);
        item.english.setLeft(left);
        item.x = left;
    }
}

QSize Arrange(QWidget* container, QSize floor)
{
    const QSize englishSize = English(container).size();
    std::vector<Item> items;
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        const QRect english = English(widget);
        // What was built outside its container (the refer-a-friend form's hidden message box)
        // stays where it is.
        if (!QRect(QPoint(0, 0), englishSize).contains(english))
            continue;
        const bool container = IsContainer(widget);
        QSize need =
            container ? Arrange(widget, english.size()) : TextNeed(widget, english.width());
        need = need.expandedTo(english.size());
        if (container)
            need.setWidth(std::max(need.width(), TextNeed(widget, 0).width()));
        items.push_back(
            {widget, english, english.x(), english.y(), need.width(), english.height(), container});
    }
    GrowTowardsStart(items, englishSize.width());
    const int width = Lay(items, {&Item::x, &Item::width, &QRect::x, &QRect::width, SameRow},
                          englishSize.width(), floor.width());
    // Heights once widths are known: a wrapped text's lines, a frame's content.
    for (Item& item : items) {
        const QSize need = item.container
                               ? Arrange(item.widget, {item.width, item.english.height()})
                               : TextNeed(item.widget, item.width);
        item.height = std::max(item.english.height(), need.height());
    }
    const int height = Lay(items, {&Item::y, &Item::height, &QRect::y, &QRect::height, SameColumn},
                           englishSize.height(), floor.height());
    for (const Item& item : items) {
        const QRect placed(item.x, item.y, item.width, item.height);
        if (item.container)
            Arrange(item.widget, placed.size());
        if (item.widget->geometry() != placed)
            item.widget->setGeometry(placed);
    }
    return {width, height};
}

// The widget whose controls are placed at fixed geometry: a main window's client area, a
// dialog's client panel, or the window itself.
QWidget* Content(QWidget* window)
{
    if (auto* main = qobject_cast<QMainWindow*>(window))
        return main->centralWidget();
    if (auto* client =
            window->findChild<QWidget*>(QStringLiteral("client"), Qt::FindDirectChildrenOnly))
        return client;
    return window;
}

} // namespace

void MakeRoom(QWidget* window)
{
    QWidget* content = Content(window);
    if (!content)
        return;
    const QSize size = Arrange(content, English(content).size());
    if (content->size() == size)
        return;
    const auto setSize = [](QWidget* widget, const QSize& to) {
        if (widget->minimumSize() == widget->maximumSize())
            widget->setFixedSize(to);
        else
            widget->resize(to);
    };
    setSize(content, size);
    if (content == window)
        return;
    // The window around it follows: through its layout (a main window's, a dialog's), or by
    // the content's place where it has none.
    if (window->layout() || qobject_cast<QMainWindow*>(window)) {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->adjustSize();
        setSize(window, window->sizeHint().expandedTo(window->size()));
    } else {
        setSize(window, QSize(content->geometry().right() + 1, content->geometry().bottom() + 1));
    }
}

} // namespace look
