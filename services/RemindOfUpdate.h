#pragma once

#include "Platform.h"

namespace modHelp {

// At start-up: records the date on the first start, and from then on, once the recorded date
// lies 15 days or more away from today (either way), asks whether to look for an update,
// records today again whatever the answer, and opens the download page on Yes.
void RemindOfUpdate(kinmatch::Platform& platform);

// The question, with the lone carriage return that separates its two sentences.
inline const QString UpdateQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

} // namespace modHelp
