#include "UiFontFamily.h"

#include <QFontDatabase>

namespace kinmatch {

QString UiFontFamily()
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

} // namespace kinmatch
