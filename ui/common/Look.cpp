#include "Look.h"

#include "KinmatchConfig.h"
#include "UiFontFamily.h"

#include <QFontDatabase>
#include <QPixmap>
#include <QWidget>

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
