#pragma once

#include "Platform.h"

namespace modHelp {

// At start-up: records the date on the first start, and from then on, once the recorded date
// lies 15 days or more away from today (either way), asks whether to look for an update,
// records today again whatever the answer, and opens the download page on Yes.
void RemindOfUpdate(kinmatch::Platform& platform);

// How many days either side of the recorded date pass without a reminder.
inline constexpr int ReminderQuietDays = 14;

// The question, with the lone carriage return that separates its two sentences.
QString UpdateQuestion();

} // namespace modHelp
