#include "modMayanNumerology.h"

#include <algorithm>

namespace modMayanNumerology {

YearOutOfRange::YearOutOfRange(int year)
    : std::out_of_range("year " + std::to_string(year) + " is outside " +
                        std::to_string(FirstYear) + ".." + std::to_string(LastYear)),
      year_(year)
{
}

namespace {
// The sign of a place in the count follows from the place itself: the count starts at Monkey and
// runs through the 20 signs in their order.
std::int16_t DaySignAt(int kinIndex)
{
    return static_cast<std::int16_t>((kinIndex - 1) % SignCount + 1);
}
} // namespace

KinRow KinTable(int kinIndex)
{
    return {SignTable[static_cast<std::size_t>(DaySignAt(kinIndex) - 1)].SignName,
            static_cast<std::int16_t>((kinIndex + 6) % NumberCount + 1)};
}

KinWorking WorkingOf(std::string_view month, int day, int year)
{
    if (year < FirstYear || year > LastYear)
        throw YearOutOfRange(year);
    KinWorking working;
    working.YearCode = YearCode[static_cast<std::size_t>(year - FirstYear)];
    const auto monthRow = std::find(MonthNames.begin(), MonthNames.end(), month);
    if (monthRow != MonthNames.end() && day >= 1 && day <= 31) {
        const auto row = static_cast<std::size_t>(monthRow - MonthNames.begin());
        working.MonthDayValue = MonthDayValue[row][static_cast<std::size_t>(day - 1)];
    }
    working.Sum = working.YearCode + working.MonthDayValue;
    working.KinIndex = working.Sum > CountLength ? working.Sum - CountLength : working.Sum;
    return working;
}

KinPlace LocateInCount(std::string_view month, int day, int year)
{
    const int kinIndex = WorkingOf(month, day, year).KinIndex;
    const KinRow row = KinTable(kinIndex);
    return {kinIndex, row.SignName, DaySignAt(kinIndex), row.DayNumber};
}

DatedReading ReadingOf(std::string_view month, int day, int year)
{
    const KinPlace place = LocateInCount(month, day, year);
    const SignRow& sign = SignTable[static_cast<std::size_t>(place.DaySign - 1)];
    const PersonReading reading{
        .DayNumber = place.DayNumber,
        .NumberDescription = NumberTable[static_cast<std::size_t>(place.DayNumber - 1)],
        .SignName = place.SignName,
        .EnglishName = sign.EnglishName,
        .SignDescription = sign.SignDescription,
        .Keywords = sign.Keywords,
        .Gemstone = sign.Gemstone,
        .Significance = sign.Significance,
        .FamousPersonalities = sign.FamousPersonalities,
    };
    PersonSign personSign{place.DaySign, place.DayNumber, std::string(sign.EnglishName)};
    return {place.KinIndex, reading, std::move(personSign)};
}

PersonReading ComputeReading(ReadingRecords& records, std::string_view month, int day, int year,
                             bool isUser)
{
    DatedReading dated = ReadingOf(month, day, year);
    records.LastReading = dated.Reading;
    (isUser ? records.UserSign : records.PartnerSign) = std::move(dated.Sign);
    return dated.Reading;
}

DateProblem CheckDayOfMonth(int year, int monthIndex, int day)
{
    constexpr int february = 1;
    if (monthIndex == february) {
        const int lastDay = IsGregorianLeapYear(year) ? 29 : 28;
        return day > lastDay ? DateProblem::NoSuchDayInFebruary : DateProblem::None;
    }
    constexpr std::array thirtyDayMonths = {3, 5, 8, 10};
    const bool hasThirtyDays = std::find(thirtyDayMonths.begin(), thirtyDayMonths.end(),
                                         monthIndex) != thirtyDayMonths.end();
    return hasThirtyDays && day == 31 ? DateProblem::NoThirtyFirst : DateProblem::None;
}

} // namespace modMayanNumerology
