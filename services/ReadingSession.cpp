#include "ReadingSession.h"

#include "Blanks.h"
#include "QtText.h"

namespace kinmatch {
namespace mmn = modMayanNumerology;

namespace {

// The name is trimmed of blanks; the lists' texts lose every blank.
mmn::BirthDetails DetailsOf(const PersonInputs& person)
{
    const auto noBlanks = [](QString text) { return text.remove(QLatin1Char(' ')); };
    return {
        ToUtf8(TrimBlanks(person.name)), static_cast<std::int16_t>(noBlanks(person.year).toInt()),
        ToUtf8(noBlanks(person.month)), static_cast<std::int16_t>(noBlanks(person.day).toInt())};
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
    return modMayanCompatibility::ComputeComposite(records_);
}

mmn::PersonReading ReadingSession::ComputeUserReading()
{
    return ComputeReadingOf(records_, records_.UserDetails, true);
}

} // namespace kinmatch
