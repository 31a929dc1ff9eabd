#pragma once

// The controls the windows are built of, each placed at its fixed logical-pixel geometry: labels,
// buttons, flat panels and frames, one-line text boxes, a main window's client area.

#include "Look.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>

class QLineEdit;
class QMainWindow;

namespace look {

// A push button whose access key runs its command at once. Qt's own buttons animate a press for
// a tenth of a second before they act, which the user would feel on every Alt+G.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;
    // Enter presses a focused button, as Space does, as on the platform the windows come from.
    void keyPressEvent(QKeyEvent* event) override;
};

// Fills a single control (a label) with a colour, through its palette. A container is a Panel or
// a Frame instead: a palette set on a container passes to every control inside it, and the
// toolkit's style then caches those controls' pictures under new keys for every new window,
// keys that Qt 6.4's pixmap cache never forgets.
void FillBackground(QWidget* widget, const QColor& colour);

// An area of one flat colour.
class Panel : public QWidget {
    Q_OBJECT

public:
    Panel(const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

// A captioned frame whose inside is exactly its colour (the toolkit's style would shade it), with
// an etched border and the caption in its own colour and font.
class Frame : public QGroupBox {
    Q_OBJECT

public:
    Frame(const QString& caption, const QColor& colour, const QColor& captionColour,
          const QFont& captionFont, QWidget* parent);

    const QFont& captionFont() const { return captionFont_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    QColor captionColour_;
    QFont captionFont_;
};

struct TextStyle {
    QFont font = UiFont();
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    bool underline = false;
};

// A label's text, look and place; geometry with an empty size sizes it to its text.
void SetUpLabel(QLabel* label, const char* name, const QString& text, const QRect& geometry,
                const TextStyle& style);

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const TextStyle& style = {});
QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry, const QFont& font = UiFont());
QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry, const QColor& background, const QColor& captionColour,
                    const QFont& captionFont);

// A one-line text box: a pasted line break becomes a blank, as one-line boxes elsewhere do.
QLineEdit* AddLineBox(QWidget* parent, const QString& name, const QRect& geometry);

// A main window's client area: light yellow, in the windows' font, of a fixed size.
QWidget* AddClientArea(QMainWindow* window, const QSize& size);

// A rectangle given in twips, 15 to a logical pixel.
constexpr QRect Twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace look
