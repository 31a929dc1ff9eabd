#pragma once

// What the windows share: colours, fonts, the link labels and small builders that place a
// control at its fixed logical-pixel geometry.

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRect>

class QLineEdit;
class QMainWindow;

namespace kinmatch {
class Platform;
}
class QWidget;

namespace look {

// The shared windows' texts, translated in the context "look".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(look)
};

inline const QColor LightYellow(255, 255, 192);
inline const QColor LinkBlue(0, 0, 255);
inline const QColor Navy(0, 0, 128);
inline const QColor Olive(192, 192, 0);
inline const QColor DarkOlive(128, 128, 0);

// Every window's title.
QString Title();

// In the windows' family (kinmatch::UiFontFamily).
QFont UiFont(qreal pointSize = 8.25, bool bold = false);
// The family where it is installed, the windows' own otherwise.
QFont FontOrWindowFont(const QString& family, qreal pointSize);

// A label that acts as a web link: the link pointer over it, clicked on a mouse release, and
// pressed by assistive technology through its accessible action. Like the links of the platform
// the windows come from, it takes no keyboard focus.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

QCursor LinkCursor();

// The program's icon in every size it comes in, for the pictures of the about and support
// windows, which must stay crisp on a high-density screen. (The windows' own icon carries fewer
// sizes: each one is decoded at start-up.)
const QIcon& ProgramIcon();
// The icon drawn at size logical pixels for the widget's screen.
QPixmap ProgramPicture(const QWidget* widget, int size);

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

// geometry with an empty size: the label is sized to its text.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const TextStyle& style = {});
LinkLabel* AddLink(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   TextStyle style);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry, const QFont& font = UiFont());
QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry, const QColor& background, const QColor& captionColour,
                    const QFont& captionFont);

// A one-line text box: a pasted line break becomes a blank, as one-line boxes elsewhere do.
QLineEdit* AddLineBox(QWidget* parent, const QString& name, const QRect& geometry);

// The blue, bold, underlined, centred style of the offer and forum links.
TextStyle OfferLinkStyle();

// A rectangle given in twips, 15 to a logical pixel.
constexpr QRect Twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

// The bottom strip of the main, result and report windows: the full-branding offer in front of
// the co-branding offer at the same place, each opening its page.
struct OfferStrip {
    QWidget* fraFullBrand;
    LinkLabel* lblFullBrand;
    LinkLabel* lblCobrand;
};
OfferStrip AddOfferStrip(QWidget* parent, const QRect& geometry, int labelWidth,
                         kinmatch::Platform& platform);

// A main window's client area: light yellow, in the windows' font, of a fixed size.
QWidget* AddClientArea(QMainWindow* window, const QSize& size);

// Fixes a top-level window to its content's size, gives it the program's title, and centres it
// on the screen.
// To be called as a window is shown that must not take the keyboard's focus from the active
// program (with Qt::WA_ShowWithoutActivating): window managers that ignore the time of the
// user's last input (icewm, fluxbox) honour a window that declares it takes no input. It takes
// input again once it is up, so that a click into it works.
void ShowWithoutTakingFocus(QWidget* window);

void FinishWindow(QWidget* window);

// The offer captions shared by several windows.
QString FullBrandCaption();
QString CoBrandCaption();
QString ForumCaption();

} // namespace look
