#include "Look.h"

#include "Accessibility.h"
#include "TitleBar.h"

#include "KinmatchConfig.h"
#include "UiFontFamily.h"
#include "modHelp.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcutEvent>
#include <QTimer>
#include <QWindow>

namespace look {

QFont UiFont(qreal pointSize, bool bold)
{
    QFont font(kinmatch::UiFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont FontOrWindowFont(const QString& family, qreal pointSize)
{
    if (!QFontDatabase::families().contains(family))
        return UiFont(pointSize);
    QFont font(family);
    font.setPointSizeF(pointSize);
    return font;
}

namespace {

class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && own.isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* LinkLabelAccessibility(const QString& className, QObject* object)
{
    if (className == QLatin1String("look::LinkLabel") && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(LinkLabelAccessibility);
        return true;
    }();
    Q_UNUSED(installed);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

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

const QIcon& ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon sizes;
        for (const int size : {16, 24, 32, 48, 64, 128, 256, 512})
            sizes.addFile(QStringLiteral(":/icons/kinmatch-%1.png").arg(size));
        return sizes;
    }();
    return icon;
}

QPixmap ProgramPicture(const QWidget* widget, int size)
{
    return ProgramIcon().pixmap(QSize(size, size), widget->devicePixelRatioF());
}

QCursor LinkCursor()
{
    static const QCursor cursor(QPixmap(QStringLiteral(":/cursors/link.png")), 6, 1);
    return cursor;
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

namespace {

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

} // namespace

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const TextStyle& style)
{
    auto* label = new QLabel(parent);
    SetUpLabel(label, name, text, geometry, style);
    return label;
}

LinkLabel* AddLink(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   TextStyle style)
{
    auto* link = new LinkLabel(parent);
    style.underline = true;
    SetUpLabel(link, name, text, geometry, style);
    link->setCursor(LinkCursor());
    return link;
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

TextStyle OfferLinkStyle()
{
    return {UiFont(8.25, true), LinkBlue, Qt::AlignCenter, true, true};
}

OfferStrip AddOfferStrip(QWidget* parent, const QRect& geometry, int labelWidth,
                         kinmatch::Platform& platform)
{
    auto* strip = new Panel(LightYellow, parent);
    strip->setObjectName(QStringLiteral("fraFullBrand"));
    strip->setGeometry(geometry);
    const QRect place(8, 11, labelWidth, 41);
    // Created second, the full-branding offer starts in front.
    LinkLabel* cobrand = AddLink(strip, "lblCobrand", CoBrandCaption(), place, OfferLinkStyle());
    LinkLabel* full = AddLink(strip, "lblFullBrand", FullBrandCaption(), place, OfferLinkStyle());
    for (LinkLabel* label : {cobrand, full})
        FillBackground(label, LightYellow); // opaque, so the one in front hides the other
    QObject::connect(full, &LinkLabel::clicked, strip,
                     [&platform] { modHelp::OpenFullBrandingOffer(platform); });
    QObject::connect(cobrand, &LinkLabel::clicked, strip,
                     [&platform] { modHelp::OpenCoBrandingOffer(platform); });
    return {strip, full, cobrand};
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
    if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->adjustSize();
    window->setFixedSize(window->size());
    Centre(window);
    new CentreWithFrame(window);
    OwnTitleBarWhereQtWouldDrawOne(window);
}

QString Title()
{
    // The program's name and version read the same in every language.
    return QStringLiteral("Kinmatch v" KINMATCH_VERSION);
}

QString FullBrandCaption()
{
    return Text::tr("Home Business Opportunity. Start your own Internet business and make "
                    "money online. Get this software fully branded for your website. "
                    "Click here for more details.");
}

QString CoBrandCaption()
{
    return Text::tr("Co-brand this software for your site.  Increase loyalty and traffic "
                    "to your site. Put your site's name &  link here. See \"Help\" for "
                    "details.    Click Here for more info on co-branding.");
}

QString ForumCaption()
{
    return Text::tr("Talk about all things mystic on the Quorvane Softwares forum. "
                    "Click here to visit us!");
}

} // namespace look
