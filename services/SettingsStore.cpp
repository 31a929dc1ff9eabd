#include "SettingsStore.h"

#include "SafeFile.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kinmatch {

namespace {

// A settings file is a few lines; nothing past this much of it is read.
constexpr qint64 SettingsReadLimit = 64 * 1024;

// The value of a hexadecimal digit, or -1.
int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
        return (c | 0x20) - 'a' + 10;
    return -1;
}

char HexDigit(uint value)
{
    return "0123456789ABCDEF"[value & 15];
}

// Qt's settings read a text that begins with "@" as a variant unless its "@" is doubled; a
// stored "@@..." is that text, any other "@..." is kept as it stands.
QString EscapedAt(const QString& text)
{
    return text.startsWith(u'@') ? u'@' + text : text;
}
QString UnescapedAt(QString stored)
{
    if (stored.startsWith(QLatin1String("@@")))
        stored.remove(0, 1);
    return stored;
}

#ifndef Q_OS_WIN
struct IniLine {
    QByteArray text;
    QString section; // the section the line belongs to
    QString key;     // empty for a line that holds no key
};

// The file's lines, each with the section it lies in and the key it sets.
QList<IniLine> ParseIni(const QByteArray& bytes)
{
    QList<IniLine> lines;
    QString section;
    for (const QByteArray& raw : bytes.split('\n')) {
        QByteArray text = raw;
        if (text.endsWith('\r'))
            text.chop(1);
        const QByteArray trimmed = text.trimmed();
        IniLine line{text, section, {}};
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            section = IniKeyText(trimmed.mid(1, trimmed.size() - 2));
            line.section = section;
        } else if (const qsizetype equals = text.indexOf('=');
                   equals > 0 && !trimmed.startsWith(';') && !trimmed.startsWith('#')) {
            line.key = IniKeyText(text.left(equals).trimmed());
        }
        lines.append(line);
    }
    while (!lines.isEmpty() && lines.constLast().text.trimmed().isEmpty())
        lines.removeLast();
    return lines;
}
#endif

} // namespace

QByteArray IniKey(const QString& key)
{
    QByteArray result;
    for (const QChar c : key) {
        const char16_t ch = c.unicode();
        if (ch == '/') {
            result += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                   (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' || ch == '.') {
            result += char(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += HexDigit(ch >> 4);
            result += HexDigit(ch);
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                result += HexDigit(ch >> shift);
        }
    }
    return result;
}

QString IniKeyText(QByteArrayView key)
{
    const QString text = QString::fromUtf8(key);
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\') {
            result += u'/';
            continue;
        }
        const int digits = c == u'%' && i + 1 < text.size() && text.at(i + 1) == u'U' ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
        bool ok = false;
        const ushort code = c == u'%' && first + digits <= text.size()
                                ? text.mid(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            result += c;
            continue;
        }
        result += QChar(code);
        i = first + digits - 1;
    }
    return result;
}

QByteArray IniValue(const QString& value)
{
    const QString text = EscapedAt(value);
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && ch < 0x80 && HexValue(char(ch)) >= 0) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            result += "\\a";
            break;
        case '\b':
            result += "\\b";
            break;
        case '\f':
            result += "\\f";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\v':
            result += "\\v";
            break;
        case '"':
        case '\\':
            result += '\\';
            result += char(ch);
            break;
        default:
            if (ch <= 0x1F) {
                result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                result += QString(c).toUtf8();
            }
        }
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}

QString IniValueText(QByteArrayView value)
{
    QByteArray bytes;
    qsizetype i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    bool quoted = false;
    bool wasQuoted = false;
    qsizetype keep = 0; // blanks at the end are dropped, except inside quotes
    while (i < value.size()) {
        const char c = value[i++];
        if (c == '"') {
            quoted = !quoted;
            wasQuoted = true;
            keep = bytes.size();
            continue;
        }
        if (c != '\\' || i >= value.size()) {
            bytes += c;
            if (quoted || (c != ' ' && c != '\t'))
                keep = bytes.size();
            continue;
        }
        const char e = value[i++];
        static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                          {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                          {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
        bool known = false;
        for (const auto& [name, character] : escapes)
            if (e == name) {
                bytes += character;
                known = true;
            }
        uint code = 0;
        if (!known && e == 'x') {
            while (i < value.size() && HexValue(value[i]) >= 0)
                code = code * 16 + uint(HexValue(value[i++]));
            bytes += QString(QChar(char16_t(code))).toUtf8();
        } else if (!known && e >= '0' && e <= '7') {
            code = uint(e - '0');
            while (i < value.size() && value[i] >= '0' && value[i] <= '7')
                code = code * 8 + uint(value[i++] - '0');
            bytes += QString(QChar(char16_t(code))).toUtf8();
        }
        keep = bytes.size();
    }
    if (!wasQuoted)
        bytes.truncate(keep);
    return UnescapedAt(QString::fromUtf8(bytes));
}

#ifdef Q_OS_WIN

namespace {

// The registry key and value name of a settings key: as in Qt's settings, each "/" of the key
// goes one key deeper.
struct RegistryPlace {
    std::wstring key;
    std::wstring name;
};

RegistryPlace PlaceOf(const QString& program, const QString& section, const QString& key)
{
    const qsizetype slash = key.lastIndexOf(u'/');
    QString path = QStringLiteral("Software\\%1\\%1\\%2").arg(program, section);
    if (slash >= 0)
        path += u'\\' + QString(key.left(slash)).replace(u'/', u'\\');
    return {path.toStdWString(), key.mid(slash + 1).toStdWString()};
}

} // namespace

SettingsStore::SettingsStore(const QString& program) : program_(program) {}

QString SettingsStore::read(const QString& section, const QString& key) const
{
    const RegistryPlace place = PlaceOf(program_, section, key);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, place.key.c_str(), place.name.c_str(), RRF_RT_REG_SZ,
                     nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size > SettingsReadLimit)
        return {};
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, place.key.c_str(), place.name.c_str(), RRF_RT_REG_SZ,
                     nullptr, text.data(), &size) != ERROR_SUCCESS)
        return {};
    text.resize(wcsnlen(text.c_str(), text.size()));
    return UnescapedAt(QString::fromStdWString(text));
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    const RegistryPlace place = PlaceOf(program_, section, key);
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, place.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring text = EscapedAt(value).toStdWString();
    const LONG result = RegSetValueExW(handle, place.name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()),
                                       DWORD((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

#else

SettingsStore::SettingsStore(const QString& program)
    : program_(program),
      filePath_(QStringLiteral("%1/%2/%2.conf")
                    .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                         program))
{
}

QString SettingsStore::read(const QString& section, const QString& key) const
{
    const auto bytes = ReadRegularFile(filePath_, SettingsReadLimit);
    if (!bytes)
        return {};
    for (const IniLine& line : ParseIni(*bytes))
        if (line.section == section && line.key == key)
            return IniValueText(QByteArrayView(line.text).sliced(line.text.indexOf('=') + 1));
    return {};
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    if (!IsRegularFileOrAbsent(filePath_))
        return false;
    QList<IniLine> lines = ParseIni(ReadRegularFile(filePath_, SettingsReadLimit).value_or(""));
    const QByteArray written = IniKey(key) + '=' + IniValue(value);
    const auto existing = std::find_if(lines.begin(), lines.end(), [&](const IniLine& line) {
        return line.section == section && line.key == key;
    });
    if (existing != lines.end()) {
        existing->text = written;
    } else {
        // After the last line of its section that is not blank, or in a new section at the end.
        qsizetype after = -1;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].section == section && !lines[i].text.trimmed().isEmpty())
                after = i + 1;
        if (after >= 0) {
            lines.insert(after, {written, section, key});
        } else {
            if (!lines.isEmpty())
                lines.append({QByteArray(), {}, {}});
            lines.append({'[' + IniKey(section) + ']', section, {}});
            lines.append({written, section, key});
        }
    }
    QByteArray file;
    for (const IniLine& line : lines)
        file += line.text + '\n';
    QDir().mkpath(QFileInfo(filePath_).path());
    return !WriteFileAtomically(filePath_, file);
}

#endif

} // namespace kinmatch
