#pragma once

// The one place where the core's UTF-8 text and Qt's text meet.

#include <QString>

#include <string>
#include <string_view>

namespace kinmatch {

inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text)
{
    return text.toStdString(); // UTF-8
}

} // namespace kinmatch
