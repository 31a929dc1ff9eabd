#include "ReadingFields.h"

#include "Language.h"
#include "Localized.h"

namespace kinmatch_cli {

namespace {

using kinmatch::Marked;
using Text = std::string;
using Person = DatedPerson;

Text Number(int value)
{
    return std::to_string(value);
}

// The reading's texts in the reader's language.
modMayanNumerology::PersonReading Shown(const Person& p)
{
    return kinmatch::Localized(p.reading.Reading);
}

} // namespace

// Text lists the sign's description before the tone's; JSON keeps the order of the record.
const std::array<ReadingField, 12> ReadingFields = {{
    {"Date", Marked("ReadingFields", "Date of birth"),
     InText | InJson | InCsv | InSign | InDocument, false,
     [](const Person& p) { return IsoText(p.date); },
     [](const Person& p) { return DateText(p.date); }},
    {"KinIndex", Marked("ReadingFields", "Place in count"),
     InText | InJson | InCsv | InSign | InDocument, true,
     [](const Person& p) { return Number(p.reading.KinIndex); },
     [](const Person& p) {
         return kinmatch::Arg(kinmatch::Tr("ReadingFields", "%1 of 260"),
                              {Number(p.reading.KinIndex)});
     }},
    {"DaySign", Marked("ReadingFields", "Day sign"), InText | InJson | InCsv | InSign | InDocument,
     true, [](const Person& p) { return Number(p.sign().DaySign); },
     [](const Person& p) {
         return Text(kinmatch::SignName(p.sign().DaySign)) + ", " +
                Text(p.reading.Reading.SignName);
     }},
    {"DayNumber", Marked("ReadingFields", "Galactic tone"),
     InText | InJson | InCsv | InSign | InDocument, true,
     [](const Person& p) { return Number(p.reading.Reading.DayNumber); },
     [](const Person& p) { return Number(p.reading.Reading.DayNumber); }},
    {"SignName", Marked("ReadingFields", "Sign name"), InJson | InCsv, false,
     [](const Person& p) { return Text(p.reading.Reading.SignName); },
     [](const Person& p) { return Text(p.reading.Reading.SignName); }},
    {"EnglishName", Marked("ReadingFields", "English name"), InJson | InCsv | InSign, false,
     [](const Person& p) { return Text(p.reading.Reading.EnglishName); },
     [](const Person& p) { return Text(Shown(p).EnglishName); }},
    {"Keywords", Marked("ReadingFields", "Keywords"), InText | InJson | InCsv | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.Keywords); },
     [](const Person& p) { return Text(Shown(p).Keywords); }},
    {"Gemstone", Marked("ReadingFields", "Gemstone"), InText | InJson | InCsv | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.Gemstone); },
     [](const Person& p) { return Text(Shown(p).Gemstone); }},
    {"Significance", Marked("ReadingFields", "Significance"), InText | InJson | InCsv | InDocument,
     false, [](const Person& p) { return Text(p.reading.Reading.Significance); },
     [](const Person& p) { return Text(Shown(p).Significance); }},
    {"NumberDescription", Marked("ReadingFields", "The galactic tone"),
     InText | InJson | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.NumberDescription); },
     [](const Person& p) { return Text(Shown(p).NumberDescription); }, 2},
    {"SignDescription", Marked("ReadingFields", "The day sign"), InText | InJson | InDocument,
     false, [](const Person& p) { return Text(p.reading.Reading.SignDescription); },
     [](const Person& p) { return Text(Shown(p).SignDescription); }, 1},
    {"FamousPersonalities", Marked("ReadingFields", "Famous people"), InText | InJson | InDocument,
     false, [](const Person& p) { return Text(p.reading.Reading.FamousPersonalities); },
     [](const Person& p) { return Text(p.reading.Reading.FamousPersonalities); }},
}};

std::string_view LabelOf(const ReadingField& field)
{
    return kinmatch::Tr("ReadingFields", field.label);
}

std::string SignInWords(const DatedPerson& person)
{
    //: A person's sign and tone in a few words: "Dog, tone 9".
    return kinmatch::Arg(
        kinmatch::Tr("ReadingFields", "%1, tone %2"),
        {kinmatch::SignName(person.sign().DaySign), Number(person.sign().DayNumber)});
}

} // namespace kinmatch_cli
