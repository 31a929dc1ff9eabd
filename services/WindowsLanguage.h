#pragma once

// The language the windows speak: the user's own choice, kept in the settings, or else the
// system's.

#include "Platform.h"

#include <string>

namespace kinmatch {

// The settings key of the user's choice; missing or empty for the system's language.
inline const QString LanguageSettingKey = QStringLiteral("Language");

// The language of this start: the one chosen where the program speaks it, else the first of
// the system's that it speaks, else English.
std::string WindowsLanguage(Platform& platform);

// Keeps the user's choice (empty: follow the system) for the next start, and says so in the
// language chosen; or says that it could not be kept.
void ChooseWindowsLanguage(Platform& platform, const std::string& code);

} // namespace kinmatch
