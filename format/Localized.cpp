#include "Localized.h"

#include "Language.h"

namespace kinmatch {
namespace mmn = modMayanNumerology;
namespace mmc = modMayanCompatibility;

std::string_view MonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return Tr("Months", mmn::MonthNames[static_cast<std::size_t>(month - 1)]);
}

std::string DateText(int year, int month, int day)
{
    //: A date of birth: %1 is the month's name, %2 the day, %3 the year ("July 4, 1955").
    return Arg(Tr("Dates", "%1 %2, %3"),
               {MonthName(month), std::to_string(day), std::to_string(year)});
}

std::string NoSuchDay(int year, int month, int day)
{
    //: %1 is a month's name, %2 a year, %3 a day that the month does not have.
    return Arg(Tr("Dates", "%1 %2 has no day %3"),
               {MonthName(month), std::to_string(year), std::to_string(day)});
}

std::string_view SignName(int daySign)
{
    return Tr("SignTable", mmn::SignTable[static_cast<std::size_t>(daySign - 1)].EnglishName);
}

std::string_view SealName(int seal)
{
    return Tr("SealTable", mmc::SealTable[static_cast<std::size_t>(seal - 1)].SealName);
}

std::string SealPictureName(int seal, bool doubleDensity, std::string_view language)
{
    std::string name(mmc::SealTable[static_cast<std::size_t>(seal - 1)].PictureKey);
    if (doubleDensity)
        name.replace(name.size() - 4, 4, "@2x.jpg");
    if (language != English)
        name.insert(0, std::string(language) + "/");
    return name;
}

std::string_view SealDescription(int seal)
{
    return Tr("SealTable", mmc::SealTable[static_cast<std::size_t>(seal - 1)].SealDescription);
}

std::string_view ToneName(int tone)
{
    return Tr("ToneTable", mmc::ToneTable[static_cast<std::size_t>(tone - 1)]);
}

std::string_view CompositeName(const mmc::CompositeReading& composite)
{
    return Tr("Composite", composite.CompositeName);
}

mmn::PersonReading Localized(const mmn::PersonReading& reading)
{
    mmn::PersonReading shown = reading;
    const auto sign = [](std::string_view text) { return Tr("SignTable", text); };
    shown.NumberDescription = Tr("NumberTable", reading.NumberDescription);
    shown.EnglishName = sign(reading.EnglishName);
    shown.SignDescription = sign(reading.SignDescription);
    shown.Keywords = sign(reading.Keywords);
    shown.Gemstone = sign(reading.Gemstone);
    shown.Significance = sign(reading.Significance);
    return shown;
}

mmc::ResultDisplay Localized(const mmc::ResultDisplay& display)
{
    mmc::ResultDisplay shown = display;
    const auto translated = [&](std::size_t item, std::string_view context) {
        shown.lblResult[item] = std::string(Tr(context, display.lblResult[item]));
    };
    translated(0, "Composite");
    translated(1, "SealTable");
    translated(2, "SignTable");
    translated(4, "SignTable");
    return shown;
}

} // namespace kinmatch
