#include "UiFontFamily.h"

#include <QFontDatabase>
#include <QStringList>

namespace kinmatch {

QString UiFontFamily()
{
    // The list of installed families, rather than hasFamily(), which first resolves the name as
    // an alias through fontconfig's substitution rules: a third of the start-up when Verdana is
    // missing.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

} // namespace kinmatch
