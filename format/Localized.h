#pragma once

// The core's reference data as people read it, in the language of this run (Language.h). The
// English tables are the keys; JSON, CSV and the reading file keep the English itself.

#include "modMayanCompatibility.h"

#include <string>
#include <string_view>

namespace kinmatch {

// month is 1 for January .. 12.
std::string_view MonthName(int month);
// A date in the reader's words: "July 4, 1955", "4 de julio de 1955".
std::string DateText(int year, int month, int day);

// "February 1900 has no day 29", in the reader's words.
std::string NoSuchDay(int year, int month, int day);

// The sign's own name (1 = Monkey ... 20 = Dog): "Monkey", "Mono".
std::string_view SignName(int daySign);
std::string_view SealName(int seal);
std::string_view SealDescription(int seal);
std::string_view ToneName(int tone);
std::string_view CompositeName(const modMayanCompatibility::CompositeReading& composite);

// The file name of a seal's picture (1..20) with its name painted in the language ("es/01Imix.jpg",
// at twice the density "es/01Imix@2x.jpg"); English's has no folder ("01Imix.jpg").
std::string SealPictureName(int seal, bool doubleDensity, std::string_view language);

// The reading with its texts in the reader's language; the traditional sign name and the famous
// people born under the sign are the same in every language.
modMayanNumerology::PersonReading Localized(const modMayanNumerology::PersonReading& reading);

// What the result window shows, in the reader's language.
modMayanCompatibility::ResultDisplay Localized(const modMayanCompatibility::ResultDisplay& display);

} // namespace kinmatch
