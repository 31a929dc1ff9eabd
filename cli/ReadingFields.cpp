#include "ReadingFields.h"

namespace kinmatch_cli {

namespace {

using Text = std::string;
using Person = DatedPerson;

Text Number(int value)
{
    return std::to_string(value);
}

} // namespace

// Text lists the sign's description before the tone's; JSON keeps the order of the record.
const std::array<ReadingField, 12> ReadingFields = {{
    {"Date", "Date of birth", InText | InJson | InCsv | InSign | InDocument, false,
     [](const Person& p) { return IsoText(p.date); },
     [](const Person& p) { return DateText(p.date); }},
    {"KinIndex", "Place in count", InText | InJson | InCsv | InSign | InDocument, true,
     [](const Person& p) { return Number(p.reading.KinIndex); },
     [](const Person& p) { return Number(p.reading.KinIndex) + " of 260"; }},
    {"DaySign", "Day sign", InText | InJson | InCsv | InSign | InDocument, true,
     [](const Person& p) { return Number(p.sign().DaySign); },
     [](const Person& p) {
         return Text(p.reading.Reading.EnglishName) + ", " + Text(p.reading.Reading.SignName);
     }},
    {"DayNumber", "Galactic tone", InText | InJson | InCsv | InSign | InDocument, true,
     [](const Person& p) { return Number(p.reading.Reading.DayNumber); },
     [](const Person& p) { return Number(p.reading.Reading.DayNumber); }},
    {"SignName", "Sign name", InJson | InCsv, false,
     [](const Person& p) { return Text(p.reading.Reading.SignName); },
     [](const Person& p) { return Text(p.reading.Reading.SignName); }},
    {"EnglishName", "English name", InJson | InCsv | InSign, false,
     [](const Person& p) { return Text(p.reading.Reading.EnglishName); },
     [](const Person& p) { return Text(p.reading.Reading.EnglishName); }},
    {"Keywords", "Keywords", InText | InJson | InCsv | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.Keywords); },
     [](const Person& p) { return Text(p.reading.Reading.Keywords); }},
    {"Gemstone", "Gemstone", InText | InJson | InCsv | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.Gemstone); },
     [](const Person& p) { return Text(p.reading.Reading.Gemstone); }},
    {"Significance", "Significance", InText | InJson | InCsv | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.Significance); },
     [](const Person& p) { return Text(p.reading.Reading.Significance); }},
    {"NumberDescription", "The galactic tone", InText | InJson | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.NumberDescription); },
     [](const Person& p) { return Text(p.reading.Reading.NumberDescription); }, 2},
    {"SignDescription", "The day sign", InText | InJson | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.SignDescription); },
     [](const Person& p) { return Text(p.reading.Reading.SignDescription); }, 1},
    {"FamousPersonalities", "Famous people", InText | InJson | InDocument, false,
     [](const Person& p) { return Text(p.reading.Reading.FamousPersonalities); },
     [](const Person& p) { return Text(p.reading.Reading.FamousPersonalities); }},
}};

std::string SignInWords(const DatedPerson& person)
{
    return person.sign().EnglishName + ", tone " + Number(person.sign().DayNumber);
}

} // namespace kinmatch_cli
