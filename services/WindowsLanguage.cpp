#include "WindowsLanguage.h"

#include "Language.h"
#include "QtText.h"

namespace kinmatch {
namespace {

std::vector<std::string> Strings(const QStringList& list)
{
    std::vector<std::string> strings;
    for (const QString& text : list)
        strings.push_back(ToUtf8(text));
    return strings;
}

//: Said once a language is chosen, in that language: %1 is its name ("Español").
constexpr const char* WillSpeak =
    Marked("WindowsLanguage", "Kinmatch will be in %1 the next time it starts.");
constexpr const char* NotKept =
    Marked("WindowsLanguage", "The choice of language could not be kept in the settings.");

} // namespace

std::string WindowsLanguage(Platform& platform)
{
    const QString chosen = platform.readSetting(LanguageSettingKey);
    std::vector<std::string> wanted;
    if (!chosen.isEmpty())
        wanted.push_back(ToUtf8(chosen));
    for (std::string& language : Strings(platform.systemLanguages()))
        wanted.push_back(std::move(language));
    return std::string(ChooseLanguage(wanted));
}

void ChooseWindowsLanguage(Platform& platform, const std::string& code)
{
    if (!platform.writeSetting(LanguageSettingKey, ToQString(code))) {
        platform.showMessage(ToQString(Tr("WindowsLanguage", NotKept)), MessageIcon::Critical);
        return;
    }
    const std::string next = WindowsLanguage(platform);
    platform.showMessage(
        ToQString(Arg(TrIn(next, "WindowsLanguage", WillSpeak), {LanguageName(next)})),
        MessageIcon::Information);
}

} // namespace kinmatch
