#pragma once

// The language of the texts people read: the catalogs built into the program, the choice among
// them, and the lookup of a text. Machine-read output (JSON, CSV, the reading file, settings)
// never goes through here. Pure C++.

#include "Marked.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kinmatch {

// The language every text is written in.
inline constexpr std::string_view English = "en";

// Every language the program speaks, English first, then the catalogs built into it ("es",
// "pt_BR").
std::vector<std::string_view> Languages();

// The first of the preferred languages (most wanted first, as "es-MX", "pt_BR.UTF-8" or "fr")
// that the program speaks: the same language and region, else the same language; English where
// none matches.
std::string_view ChooseLanguage(const std::vector<std::string>& preferred);

// The languages a command-line user asks for, most wanted first, as gettext reads the
// environment: LANGUAGE's list, unless the locale is "C" or "POSIX", then the first of LC_ALL,
// LC_MESSAGES and LANG that is set. get reads a variable (null when unset).
std::vector<std::string> EnvironmentLanguages(const char* (*get)(const char*));

// Makes code (one of Languages()) the language of Tr's texts; English for any other.
void SetLanguage(std::string_view code);
std::string_view CurrentLanguage();

// The language's name in itself, for choosing it: "Español".
std::string LanguageName(std::string_view code);

// The compiled catalog of a language, for the toolkit's own translator; empty for English.
std::string_view CatalogOf(std::string_view code);

// The text in the current language, or its English source where the catalog has none (a view
// of source itself, as long-lived as it is).
std::string_view Tr(std::string_view context, std::string_view source,
                    std::string_view disambiguation = {});

// The same in the given language, whatever the current one.
std::string_view TrIn(std::string_view code, std::string_view context, std::string_view source,
                      std::string_view disambiguation = {});

// The pattern with %1 ... %9 replaced by the arguments in order; a replacement is never read
// again for markers.
std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace kinmatch
