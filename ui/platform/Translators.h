#pragma once

#include <string>

namespace kinmatch {

// Makes code the language of this run: the core's texts, the program's own catalog and Qt's
// (message box buttons, file dialogs).
void InstallLanguage(const std::string& code);

} // namespace kinmatch
