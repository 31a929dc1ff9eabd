#pragma once

#include "Platform.h"

#include <QLocale>

namespace modHelp {

// At start-up: records the date on the first start, and from then on, once the recorded date
// lies 15 days or more away from today (either way), asks whether to look for an update,
// records today again whatever the answer, and opens the download page on Yes.
void RemindOfUpdate(kinmatch::Platform& platform);

// The date the reminder recorded, read from its unscrambled text; invalid when there is none.
// The date is kept as ISO 8601 so that a change of locale never makes it unreadable; a value
// written by an older version in the locale's short date format is still understood, with a
// two-digit year taken in the century that puts it nearest to today.
QDate RecordedDate(const QString& text, const QDate& today,
                   const QLocale& locale = QLocale::system());

// How many days either side of the recorded date pass without a reminder.
inline constexpr int ReminderQuietDays = 14;

// The question, with the lone carriage return that separates its two sentences.
QString UpdateQuestion();

} // namespace modHelp
