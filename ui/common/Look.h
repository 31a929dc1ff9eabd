#pragma once

// What makes the windows look like themselves: their colours, fonts, title, icon and the offer
// captions several windows share.

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QString>

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

// The program's icon in every size it comes in, for the pictures of the about and support
// windows, which must stay crisp on a high-density screen. (The windows' own icon carries fewer
// sizes: each one is decoded at start-up.)
const QIcon& ProgramIcon();
// The icon drawn at size logical pixels for the widget's screen.
QPixmap ProgramPicture(const QWidget* widget, int size);

// The offer captions shared by several windows.
QString FullBrandCaption();
QString CoBrandCaption();
QString ForumCaption();

} // namespace look
