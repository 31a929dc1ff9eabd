#include "SealPictures.h"

#include "Language.h"
#include "Localized.h"
#include "QtText.h"

#include <QFile>

namespace kinmatch {

QString SealPicturePath(int seal, bool doubleDensity)
{
    const QString painted = QStringLiteral(":/seals/") +
                            ToQString(SealPictureName(seal, doubleDensity, CurrentLanguage()));
    if (QFile::exists(painted))
        return painted;
    return QStringLiteral(":/seals/") + ToQString(SealPictureName(seal, doubleDensity, English));
}

} // namespace kinmatch
