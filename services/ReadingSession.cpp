#include "ReadingSession.h"

#include "Blanks.h"
#include "Localized.h"
#include "QtText.h"

#include <algorithm>

namespace kinmatch {
namespace mmn = modMayanNumerology;

namespace {

// The name is trimmed of blanks; the lists' numbers lose every blank; the month is kept by its
// key, in every language the English name a reading file holds.
mmn::BirthDetails DetailsOf(const PersonInputs& person)
{
    const auto number = [](QString text) {
        return static_cast<std::int16_t>(text.remove(QLatin1Char(' ')).toInt());
    };
    const auto month = static_cast<std::size_t>(std::clamp(person.month, 0, 11));
    return {ToUtf8(TrimBlanks(person.name)), number(person.year),
            std::string(mmn::MonthNames[month]), number(person.day)};
}

mmn::PersonReading ComputeReadingOf(mmn::ReadingRecords& records, const mmn::BirthDetails& details,
                                    bool isUser)
{
    return mmn::ComputeReading(records, details.BirthMonth, details.BirthDay, details.BirthYear,
                               isUser);
}

} // namespace

modMayanCompatibility::ResultDisplay ReadingSession::Generate(const PersonInputs& user,
                                                              const PersonInputs& partner)
{
    records_.UserDetails = DetailsOf(user);
    records_.PartnerDetails = DetailsOf(partner);
    ComputeReadingOf(records_, records_.UserDetails, true);
    ComputeReadingOf(records_, records_.PartnerDetails, false);
    return Localized(modMayanCompatibility::ComputeComposite(records_));
}

mmn::PersonReading ReadingSession::ComputeUserReading()
{
    return ComputeReadingOf(records_, records_.UserDetails, true);
}

} // namespace kinmatch
