#include "SealPictures.h"

#include "QtText.h"
#include "modMayanCompatibility.h"

namespace kinmatch {

QString SealPicturePath(int seal, bool doubleDensity)
{
    const std::string_view key =
        modMayanCompatibility::SealTable[static_cast<std::size_t>(seal - 1)].PictureKey;
    QString path = QStringLiteral(":/seals/") + ToQString(key);
    if (doubleDensity)
        path.replace(QLatin1String(".jpg"), QLatin1String("@2x.jpg"));
    return path;
}

} // namespace kinmatch
