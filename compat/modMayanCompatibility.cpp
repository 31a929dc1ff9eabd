#include "modMayanCompatibility.h"

namespace modMayanCompatibility {

CompositeReading CompositeOf(const PersonSign& user, const PersonSign& partner)
{
    const int seal = ReduceSum(user.DaySign + partner.DaySign, SealCount);
    const int tone = ReduceSum(user.DayNumber + partner.DayNumber, ToneCount);
    const std::string_view sealName = SealTable[static_cast<std::size_t>(seal - 1)].SealName;
    const std::string_view toneName = ToneTable[static_cast<std::size_t>(tone - 1)];

    // The tone name goes in place of each blank of the seal's name: colour, tone, noun.
    std::string name;
    for (const char c : sealName) {
        if (c == ' ') {
            name += ' ';
            name += toneName;
            name += ' ';
        } else {
            name += c;
        }
    }
    return {static_cast<std::int16_t>(seal), static_cast<std::int16_t>(tone), std::move(name)};
}

ResultDisplay ResultDisplayOf(const CompositeReading& composite, const PersonSign& user,
                              const PersonSign& partner)
{
    const SealRow& seal = SealTable[static_cast<std::size_t>(composite.CompositeSeal - 1)];
    return {{composite.CompositeName, std::string(seal.SealDescription), user.EnglishName,
             std::to_string(user.DayNumber), partner.EnglishName,
             std::to_string(partner.DayNumber)},
            composite.CompositeSeal};
}

ResultDisplay ComputeComposite(SharedRecords& records)
{
    records.Composite = CompositeOf(records.UserSign, records.PartnerSign);
    return ResultDisplayOf(records.Composite, records.UserSign, records.PartnerSign);
}

} // namespace modMayanCompatibility
