#include "Translators.h"

#include "Language.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace kinmatch {

void InstallLanguage(const std::string& code)
{
    SetLanguage(code);
    // Both catalogs live as long as the program: the core carries its own, and Qt's are
    // resources of the windows.
    static QTranslator own;
    static QTranslator qt;
    for (QTranslator* translator : {&own, &qt})
        QCoreApplication::removeTranslator(translator);
    if (CurrentLanguage() == English)
        return;
    const std::string_view catalog = CatalogOf(CurrentLanguage());
    if (own.load(reinterpret_cast<const uchar*>(catalog.data()), int(catalog.size())))
        QCoreApplication::installTranslator(&own);
    if (qt.load(QStringLiteral(":/translations/qtbase_") + ToQString(CurrentLanguage())))
        QCoreApplication::installTranslator(&qt);
    // Qt's own formats follow, where Qt knows the language (the pseudo-language it does not).
    const QLocale locale(ToQString(CurrentLanguage()));
    if (locale.language() != QLocale::C)
        QLocale::setDefault(locale);
}

} // namespace kinmatch
