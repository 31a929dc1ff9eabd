#include "Controls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcutEvent>

namespace look {

bool CommandButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        if (focusPolicy() & Qt::TabFocus)
            setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !isDefault()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void FillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

Panel::Panel(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), colour_);
}

Frame::Frame(const QString& caption, const QColor& colour, const QColor& captionColour,
             const QFont& captionFont, QWidget* parent)
    : QGroupBox(caption, parent), colour_(colour), captionColour_(captionColour),
      captionFont_(captionFont)
{
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    const QFontMetrics metrics(captionFont_);
    // An etched line, as the frames of the platform the windows were made for have.
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(colour_.darker(160));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(colour_.lighter(160));
    painter.drawRect(border.adjusted(1, 1, 0, 0));
    const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, colour_);
    painter.setFont(captionFont_);
    painter.setPen(captionColour_);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

void SetUpLabel(QLabel* label, const char* name, const QString& text, const QRect& geometry,
                const TextStyle& style)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font = style.font;
    font.setUnderline(style.underline);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, style.colour);
    label->setPalette(palette);
    label->setAlignment(style.alignment);
    label->setWordWrap(style.wordWrap);
    if (geometry.size().isEmpty()) {
        label->move(geometry.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(geometry);
    }
    label->setAccessibleName(text);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const TextStyle& style)
{
    auto* label = new QLabel(parent);
    SetUpLabel(label, name, text, geometry, style);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry, const QFont& font)
{
    auto* button = new CommandButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry, const QColor& background, const QColor& captionColour,
                    const QFont& captionFont)
{
    auto* frame = new Frame(caption, background, captionColour, captionFont, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setAccessibleName(caption);
    frame->setGeometry(geometry);
    return frame;
}

QLineEdit* AddLineBox(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(UiFont());
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n]"));
        if (!text.contains(lineBreak))
            return;
        const auto oneLine = [](QString part) {
            return part.replace(lineBreak, QStringLiteral(" "));
        };
        const qsizetype cursor = oneLine(text.left(box->cursorPosition())).size();
        box->setText(oneLine(text));
        box->setCursorPosition(int(cursor));
    });
    return box;
}

QWidget* AddClientArea(QMainWindow* window, const QSize& size)
{
    auto* client = new Panel(LightYellow, window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(size);
    client->setFont(UiFont());
    window->setCentralWidget(client);
    return client;
}

} // namespace look
