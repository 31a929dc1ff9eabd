#include "Language.h"

#include "Catalog.h"
#include "EmbeddedFile.h"

#include <algorithm>
#include <map>
#include <optional>

namespace kinmatch {

// cmake/EmbedFiles.cmake writes them from the compiled catalogs, named kinmatch_CODE.qm.
extern const EmbeddedFile CatalogFiles[];
extern const std::size_t CatalogFiles_count;

namespace {

constexpr std::string_view Prefix = "kinmatch_";
constexpr std::string_view Suffix = ".qm";

std::string_view CodeOf(const EmbeddedFile& file)
{
    std::string_view name = file.name;
    name.remove_prefix(Prefix.size());
    name.remove_suffix(Suffix.size());
    return name;
}

const Catalog* CatalogFor(std::string_view code)
{
    // Read once each, when first asked for: an English run reads none.
    static std::map<std::string, std::optional<Catalog>, std::less<>> read;
    auto found = read.find(code);
    if (found == read.end())
        found = read.emplace(std::string(code), Catalog::Read(CatalogOf(code))).first;
    return found->second ? &*found->second : nullptr;
}

//: The name of your language in itself, as the Language menu offers it: "Español".
constexpr const char* OwnName = Marked("Language", "English");

std::string current(English);
const Catalog* currentCatalog = nullptr;

// "es-MX.UTF-8@euro" -> "es_mx": the language and region, in one spelling.
std::string Normalised(std::string_view tag)
{
    tag = tag.substr(0, tag.find_first_of(".@"));
    std::string normal;
    for (const char c : tag)
        normal += c == '-' ? '_' : static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return normal;
}

std::string LanguagePart(std::string_view normal)
{
    return std::string(normal.substr(0, normal.find('_')));
}

} // namespace

std::vector<std::string_view> Languages()
{
    std::vector<std::string_view> languages{English};
    for (std::size_t i = 0; i < CatalogFiles_count; ++i)
        languages.push_back(CodeOf(CatalogFiles[i]));
    return languages;
}

std::string_view ChooseLanguage(const std::vector<std::string>& preferred)
{
    const std::vector<std::string_view> languages = Languages();
    for (const std::string& wanted : preferred) {
        const std::string normal = Normalised(wanted);
        if (normal.empty() || normal == "c" || normal == "posix")
            continue;
        for (const std::string_view language : languages)
            if (Normalised(language) == normal)
                return language;
        for (const std::string_view language : languages)
            if (LanguagePart(Normalised(language)) == LanguagePart(normal))
                return language;
    }
    return English;
}

std::vector<std::string> EnvironmentLanguages(const char* (*get)(const char*))
{
    const auto value = [get](const char* name) {
        const char* text = get(name);
        return std::string(text ? text : "");
    };
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = value(name); !locale.empty())
            break;
    std::vector<std::string> languages;
    if (locale == "C" || locale == "POSIX")
        return languages;
    const std::string list = value("LANGUAGE");
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start)
            languages.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    if (!locale.empty())
        languages.push_back(locale);
    return languages;
}

void SetLanguage(std::string_view code)
{
    currentCatalog = code == English ? nullptr : CatalogFor(code);
    current = currentCatalog ? std::string(code) : std::string(English);
}

std::string_view CurrentLanguage()
{
    return current;
}

std::string LanguageName(std::string_view code)
{
    // Each catalog names its own language, as the translation of the word "English".
    const Catalog* catalog = code == English ? nullptr : CatalogFor(code);
    const std::string* name = catalog ? catalog->find("Language", OwnName) : nullptr;
    return name ? *name : std::string(OwnName);
}

std::string_view CatalogOf(std::string_view code)
{
    for (std::size_t i = 0; i < CatalogFiles_count; ++i)
        if (CodeOf(CatalogFiles[i]) == code)
            return CatalogFiles[i].bytes;
    return {};
}

std::string_view Tr(std::string_view context, std::string_view source,
                    std::string_view disambiguation)
{
    if (currentCatalog)
        if (const std::string* translation = currentCatalog->find(context, source, disambiguation))
            return *translation;
    return source;
}

std::string_view TrIn(std::string_view code, std::string_view context, std::string_view source,
                      std::string_view disambiguation)
{
    if (const Catalog* catalog = code == English ? nullptr : CatalogFor(code))
        if (const std::string* translation = catalog->find(context, source, disambiguation))
            return *translation;
    return source;
}

std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            text += arguments.begin()[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace kinmatch
