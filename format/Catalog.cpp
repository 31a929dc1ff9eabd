#include "Catalog.h"

#include "Utf8.h"

#include <array>
#include <cstdint>

namespace kinmatch {
namespace {

constexpr std::array<unsigned char, 16> Magic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                                 0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The blocks and message tags of the format, as Qt's translator reads them.
enum Block : unsigned char { Messages = 0x69, Language = 0xa7 };
enum Tag : unsigned char {
    End = 1,
    Translation = 3,
    Obsolete1 = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8,
};

std::string Key(std::string_view context, std::string_view source, std::string_view comment)
{
    std::string key;
    key.reserve(context.size() + source.size() + comment.size() + 2);
    key.append(context).append(1, '\x04').append(source).append(1, '\x04').append(comment);
    return key;
}

// Reads the bytes front to back; any read past the end marks the reader broken.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const { return bytes_.empty(); }
    bool broken() const { return broken_; }
    std::uint8_t byte()
    {
        const std::string_view one = take(1);
        return one.empty() ? 0 : static_cast<std::uint8_t>(one[0]);
    }
    std::uint32_t number()
    {
        const std::string_view four = take(4);
        std::uint32_t value = 0;
        for (const char c : four)
            value = value << 8 | static_cast<unsigned char>(c);
        return value;
    }
    std::string_view take(std::size_t count)
    {
        if (count > bytes_.size()) {
            broken_ = true;
            bytes_ = {};
            return {};
        }
        const std::string_view taken = bytes_.substr(0, count);
        bytes_.remove_prefix(count);
        return taken;
    }

private:
    std::string_view bytes_;
    bool broken_ = false;
};

// UTF-16 big-endian, as the catalog keeps translations, to UTF-8.
std::string FromUtf16(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    const auto unit = [&](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) << 8 |
                                     static_cast<unsigned char>(bytes[at + 1]));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t character = unit(i);
        if (character >= 0xD800 && character < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                character = 0x10000 + ((character - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(text, character);
    }
    return text;
}

} // namespace

std::optional<Catalog> Catalog::Read(std::string_view qm)
{
    if (qm.size() < Magic.size() ||
        qm.substr(0, Magic.size()) !=
            std::string_view(reinterpret_cast<const char*>(Magic.data()), Magic.size()))
        return std::nullopt;
    Catalog catalog;
    Reader blocks(qm.substr(Magic.size()));
    while (!blocks.atEnd()) {
        const std::uint8_t block = blocks.byte();
        const std::string_view content = blocks.take(blocks.number());
        if (blocks.broken())
            return std::nullopt;
        if (block == Language) {
            catalog.language_ = std::string(content);
            continue;
        }
        if (block != Messages)
            continue;
        Reader messages(content);
        while (!messages.atEnd()) {
            std::string translation;
            std::string_view context, source, comment;
            bool translated = false;
            for (std::uint8_t tag = messages.byte(); tag != End && !messages.broken();
                 tag = messages.byte()) {
                switch (tag) {
                case Translation: {
                    const std::uint32_t length = messages.number();
                    if (length == 0xFFFFFFFF) // an entry without a translation
                        break;
                    // Only the first form: the program asks for no plurals.
                    const std::string_view utf16 = messages.take(length);
                    if (!translated)
                        translation = FromUtf16(utf16);
                    translated = true;
                    break;
                }
                case Obsolete1:
                    messages.take(4);
                    break;
                case SourceText:
                    source = messages.take(messages.number());
                    break;
                case Context:
                    context = messages.take(messages.number());
                    break;
                case Comment:
                    comment = messages.take(messages.number());
                    break;
                default:
                    return std::nullopt;
                }
            }
            if (messages.broken())
                return std::nullopt;
            if (translated)
                catalog.messages_.emplace(Key(context, source, comment), std::move(translation));
        }
    }
    return catalog;
}

const std::string* Catalog::find(std::string_view context, std::string_view source,
                                 std::string_view disambiguation) const
{
    auto found = messages_.find(Key(context, source, disambiguation));
    if (found == messages_.end() && !disambiguation.empty())
        found = messages_.find(Key(context, source, {}));
    return found == messages_.end() ? nullptr : &found->second;
}

} // namespace kinmatch
