#pragma once

#include "Names.h"
#include "QtText.h"

#include <QString>

namespace kinmatch {

// TrimBlanks for the windows' text.
inline QString TrimBlanks(const QString& text)
{
    return ToQString(TrimBlanks(std::string_view(ToUtf8(text))));
}

} // namespace kinmatch
