#include "Forms.h"

#include "Csv.h"
#include "Json.h"
#include "Language.h"
#include "Localized.h"
#include "ReadingFields.h"
#include "TerminalText.h"
#include "Utf8.h"

#include <array>
#include <optional>

namespace kinmatch_cli {
namespace mmn = modMayanNumerology;
namespace mmc = modMayanCompatibility;
using kinmatch::Arg;
using kinmatch::JsonObject;
using kinmatch::Tr;

namespace {

// Text answers put their values in one column, at least this far in.
constexpr std::size_t TextLabelWidth = 17;

// The column where the values of the labels start: two characters past the longest label.
std::size_t ValueColumn(std::initializer_list<std::string_view> labels)
{
    std::size_t column = TextLabelWidth;
    for (const std::string_view label : labels)
        column = std::max(column, kinmatch::CharacterCount(label) + 2);
    return column;
}

// "Label:" padded to the column, then the value.
std::string LabelledLine(std::string_view label, std::string_view value, std::size_t column)
{
    std::string line(label);
    line += ":";
    line.append(
        column > kinmatch::CharacterCount(line) ? column - kinmatch::CharacterCount(line) : 1, ' ');
    return line.append(value) + "\n";
}

std::string Number(int value)
{
    return std::to_string(value);
}

mmn::KinWorking WorkingOf(const DatedPerson& person)
{
    return mmn::WorkingOf(MonthName(person.date), person.date.day, person.date.year);
}

std::string Folded(int sum)
{
    return sum > mmn::CountLength
               ? Arg(Tr("Working", "above 260, so %1 - 260 = %2"),
                     {Number(sum), Number(sum - mmn::CountLength)})
               : Arg(Tr("Working", "not above 260, so it stays %1"), {Number(sum)});
}

// How a person's place, sign and tone follow from the date, one step a line.
std::string PersonWorking(const DatedPerson& person, const std::string& indent)
{
    const mmn::KinWorking working = WorkingOf(person);
    const std::string kin = Number(working.KinIndex);
    const auto line = [&](std::string_view pattern,
                          std::initializer_list<std::string_view> values) {
        return indent + Arg(pattern, values) + "\n";
    };
    return line(Tr("Working", "Year code of %1: %2"),
                {Number(person.date.year), Number(working.YearCode)}) +
           line(Tr("Working", "Value of %1 %2: %3"),
                {kinmatch::MonthName(person.date.month), Number(person.date.day),
                 Number(working.MonthDayValue)}) +
           line(Tr("Working", "Sum: %1 + %2 = %3, %4"),
                {Number(working.YearCode), Number(working.MonthDayValue), Number(working.Sum),
                 Folded(working.Sum)}) +
           line(Tr("Working", "Place in the count: %1"), {kin}) +
           line(Tr("Working", "Day sign: (%1 - 1) mod 20 + 1 = %2, %3"),
                {kin, Number(person.sign().DaySign), kinmatch::SignName(person.sign().DaySign)}) +
           line(Tr("Working", "Galactic tone: (%1 + 6) mod 13 + 1 = %2"),
                {kin, Number(person.sign().DayNumber)});
}

JsonObject WorkingJson(const DatedPerson& person)
{
    const mmn::KinWorking working = WorkingOf(person);
    return JsonObject()
        .add("YearCode", working.YearCode)
        .add("MonthDayValue", working.MonthDayValue)
        .add("Sum", working.Sum)
        .add("KinIndex", working.KinIndex);
}

// The person's fields of the given form added to a JSON object.
JsonObject FieldsJson(const DatedPerson& person, FieldForm form, JsonObject json = {})
{
    for (const ReadingField& field : ReadingFields) {
        if (!(field.forms & form))
            continue;
        if (field.number)
            json.addRaw(field.key, field.data(person));
        else
            json.add(field.key, field.data(person));
    }
    return json;
}

class ReadingTextForm final : public ReadingForm {
public:
    explicit ReadingTextForm(bool explain) : explain_(explain) {}
    void person(Output& out, const DatedPerson& person) override
    {
        out << (first_ ? "" : "\n") << ReadingText(person, explain_);
        first_ = false;
        out.written();
    }

private:
    bool explain_;
    bool first_ = true;
};

class ReadingJson final : public ReadingForm {
public:
    explicit ReadingJson(bool explain) : explain_(explain) {}
    void person(Output& out, const DatedPerson& person) override
    {
        JsonObject json = FieldsJson(person, InJson);
        if (explain_)
            json.add("Working", WorkingJson(person));
        out << json.str() << "\n";
        out.written();
    }

private:
    bool explain_;
};

class ReadingCsv final : public ReadingForm {
public:
    void begin(Output& out) override
    {
        std::vector<std::string_view> header;
        for (const ReadingField& field : ReadingFields)
            if (field.forms & InCsv)
                header.push_back(field.key);
        kinmatch::AppendCsvRecord(out.buffer(), header);
    }
    // A batch of every date is tens of thousands of rows: the fields of each place in the count
    // are made once, and a row is then its date and those.
    void person(Output& out, const DatedPerson& person) override
    {
        std::string& place = places_[std::size_t(person.reading.KinIndex)];
        if (place.empty()) {
            for (std::size_t i = FieldsOfTheDate; i < ReadingFields.size(); ++i)
                if (ReadingFields[i].forms & InCsv) {
                    place += ',';
                    kinmatch::AppendCsvField(place, ReadingFields[i].data(person));
                }
            place += "\r\n";
        }
        std::string& buffer = out.buffer();
        for (std::size_t i = 0; i < FieldsOfTheDate; ++i) {
            if (i > 0)
                buffer += ',';
            kinmatch::AppendCsvField(buffer, ReadingFields[i].data(person));
        }
        buffer += place;
        out.written();
    }

private:
    std::array<std::string, mmn::CountLength + 1> places_;
};

class GroupText final : public GroupForm {
public:
    void begin(Output& out, const std::vector<DatedPerson>& people) override
    {
        for (const DatedPerson& person : people) {
            names_.push_back(kinmatch::VisibleControls(person.name));
            out << names_.back() << ": " << SignInWords(person) << "\n";
        }
        pairPattern_ = Tr("Group", "%1 and %2: %3");
        out << "\n";
    }
    void pair(Output& out, std::size_t a, std::size_t b,
              const mmc::CompositeReading& composite) override
    {
        out << Arg(pairPattern_, {names_[a], names_[b], kinmatch::CompositeName(composite)})
            << "\n";
        out.written();
    }

private:
    std::vector<std::string> names_;
    std::string_view pairPattern_;
};

class GroupJson final : public GroupForm {
public:
    void begin(Output& out, const std::vector<DatedPerson>& people) override
    {
        out << "{\"people\": [\n";
        for (std::size_t i = 0; i < people.size(); ++i) {
            out << (i > 0 ? ",\n" : "")
                << FieldsJson(people[i], InSign, JsonObject().add("Name", people[i].name)).str();
        }
        out << "\n], \"pairs\": [\n";
    }
    void pair(Output& out, std::size_t a, std::size_t b,
              const mmc::CompositeReading& composite) override
    {
        out << (firstPair_ ? "" : ",\n")
            << JsonObject()
                   .add("A", int(a))
                   .add("B", int(b))
                   .add("CompositeSeal", composite.CompositeSeal)
                   .add("CompositeTone", composite.CompositeTone)
                   .add("CompositeName", composite.CompositeName)
                   .str();
        firstPair_ = false;
        out.written();
    }
    void end(Output& out) override { out << "\n]}\n"; }

private:
    bool firstPair_ = true;
};

// Half a million pairs make 18 MB: each person's field and each composite's three fields are
// made once, and a pair is then four appends.
class GroupCsv final : public GroupForm {
public:
    void begin(Output& out, const std::vector<DatedPerson>& people) override
    {
        const std::string_view header[] = {"A", "B", "CompositeSeal", "CompositeTone",
                                           "CompositeName"};
        kinmatch::AppendCsvRecord(out.buffer(), header);
        for (const DatedPerson& person : people) {
            const std::string name = kinmatch::VisibleControls(person.name);
            const std::string_view field[] = {name};
            std::string record;
            kinmatch::AppendCsvRecord(record, field);
            record.resize(record.size() - 2); // the field alone, without the record's CR LF
            names_.push_back(record);
        }
    }
    void pair(Output& out, std::size_t a, std::size_t b,
              const mmc::CompositeReading& composite) override
    {
        std::string& rest =
            composites_[std::size_t(composite.CompositeSeal)][std::size_t(composite.CompositeTone)];
        if (rest.empty()) {
            const std::string seal = Number(composite.CompositeSeal);
            const std::string tone = Number(composite.CompositeTone);
            const std::string_view fields[] = {"", seal, tone, composite.CompositeName};
            kinmatch::AppendCsvRecord(rest, fields); // ",seal,tone,name\r\n"
        }
        std::string& buffer = out.buffer();
        buffer += names_[a];
        buffer += ',';
        buffer += names_[b];
        buffer += rest;
        out.written();
    }

private:
    std::vector<std::string> names_;
    std::array<std::array<std::string, mmc::ToneCount + 1>, mmc::SealCount + 1> composites_;
};

} // namespace

std::string ReadingText(const DatedPerson& person, bool explain)
{
    std::size_t column = TextLabelWidth;
    for (const ReadingField& field : ReadingFields)
        if ((field.forms & InText) && field.paragraph == 0)
            column = std::max(column, ValueColumn({LabelOf(field)}));
    std::string text;
    std::array<std::string, 3> paragraphs;
    for (const ReadingField& field : ReadingFields) {
        if (!(field.forms & InText))
            continue;
        if (field.paragraph > 0)
            paragraphs[std::size_t(field.paragraph)] = field.shown(person);
        else
            text += LabelledLine(LabelOf(field), field.shown(person), column);
    }
    for (std::size_t i = 1; i < paragraphs.size(); ++i)
        text += "\n" + paragraphs[i] + "\n";
    if (explain)
        text += "\n" + std::string(Tr("Working", "How it is worked out:")) + "\n" +
                PersonWorking(person, "  ");
    return text;
}

std::unique_ptr<ReadingForm> ReadingFormOf(const std::string& form, bool explain)
{
    if (form == "--json")
        return std::make_unique<ReadingJson>(explain);
    if (form == "--csv")
        return std::make_unique<ReadingCsv>();
    return std::make_unique<ReadingTextForm>(explain);
}

void WriteMatch(Output& out, const DatedPerson& user, const DatedPerson& partner, bool json,
                bool explain)
{
    const mmn::PersonSign& userSign = user.sign();
    const mmn::PersonSign& partnerSign = partner.sign();
    const mmc::CompositeReading composite = mmc::CompositeOf(userSign, partnerSign);
    const mmc::SealRow& seal =
        mmc::SealTable[static_cast<std::size_t>(composite.CompositeSeal - 1)];
    const int sealSum = userSign.DaySign + partnerSign.DaySign;
    const int toneSum = userSign.DayNumber + partnerSign.DayNumber;

    if (json) {
        const auto person = [&](const DatedPerson& who) {
            JsonObject object = FieldsJson(who, InSign);
            if (explain)
                object.add("Working", WorkingJson(who));
            return object;
        };
        JsonObject object;
        object.add("user", person(user))
            .add("partner", person(partner))
            .add("CompositeSeal", composite.CompositeSeal)
            .add("CompositeTone", composite.CompositeTone)
            .add("CompositeName", composite.CompositeName)
            .add("SealDescription", seal.SealDescription)
            .add("Picture", seal.PictureKey);
        if (explain)
            object.add("Working", JsonObject().add("SealSum", sealSum).add("ToneSum", toneSum));
        out << object.str() << "\n";
        return;
    }
    const std::string_view compatibility = Tr("Match", "Compatibility");
    const std::string_view you = Tr("Match", "You");
    const std::string_view yourPartner = Tr("Match", "Your partner");
    const std::size_t column = ValueColumn({compatibility, you, yourPartner});
    const std::string_view compositeName = kinmatch::CompositeName(composite);
    out << LabelledLine(compatibility,
                        Arg(Tr("Match", "%1 (seal %2, tone %3)"),
                            {compositeName, Number(composite.CompositeSeal),
                             Number(composite.CompositeTone)}),
                        column)
        << LabelledLine(you, SignInWords(user), column)
        << LabelledLine(yourPartner, SignInWords(partner), column) << "\n"
        << kinmatch::SealDescription(composite.CompositeSeal) << "\n";
    if (!explain)
        return;
    const auto reduced = [](int sum, int limit, int result) {
        return sum > limit
                   ? Arg(Tr("Working", "above %1, so %2 + %3 = %4"),
                         {Number(limit), Number(sum / 10), Number(sum % 10), Number(result)})
                   : Arg(Tr("Working", "not above %1, so it stays %2"),
                         {Number(limit), Number(result)});
    };
    const std::string_view sealName = kinmatch::SealName(composite.CompositeSeal);
    const std::string_view toneName = kinmatch::ToneName(composite.CompositeTone);
    const auto line = [](std::string_view pattern, std::initializer_list<std::string_view> values) {
        return "  " + Arg(pattern, values) + "\n";
    };
    out << "\n"
        << Tr("Working", "How it is worked out:") << "\n"
        << line(Tr("Working", "You, born %1:"), {DateText(user.date)})
        << PersonWorking(user, "    ")
        << line(Tr("Working", "Your partner, born %1:"), {DateText(partner.date)})
        << PersonWorking(partner, "    ")
        << line(Tr("Working", "Seal sum: %1 + %2 = %3, %4: %5"),
                {Number(userSign.DaySign), Number(partnerSign.DaySign), Number(sealSum),
                 reduced(sealSum, mmc::SealCount, composite.CompositeSeal), sealName})
        << line(Tr("Working", "Tone sum: %1 + %2 = %3, %4: %5"),
                {Number(userSign.DayNumber), Number(partnerSign.DayNumber), Number(toneSum),
                 reduced(toneSum, mmc::ToneCount, composite.CompositeTone), toneName})
        //: How the composite's name is made: %1 the tone's name, %2 the seal's, %3 the composite's.
        << line(Tr("Working", "Name: the tone %1 goes between the words of %2: %3"),
                {toneName, sealName, compositeName});
}

std::unique_ptr<GroupForm> GroupFormOf(const std::string& form)
{
    if (form == "--json")
        return std::make_unique<GroupJson>();
    if (form == "--csv")
        return std::make_unique<GroupCsv>();
    return std::make_unique<GroupText>();
}

void WriteGroup(Output& out, GroupForm& form, const std::vector<DatedPerson>& people)
{
    // A composite follows from the two sums alone, so each is made once, not once a pair.
    std::array<std::array<std::optional<mmc::CompositeReading>, 2 * mmc::ToneCount + 1>,
               2 * mmc::SealCount + 1>
        composites;
    form.begin(out, people);
    for (std::size_t a = 0; a < people.size(); ++a) {
        for (std::size_t b = a + 1; b < people.size(); ++b) {
            const mmn::PersonSign& signA = people[a].sign();
            const mmn::PersonSign& signB = people[b].sign();
            auto& composite = composites[std::size_t(signA.DaySign + signB.DaySign)]
                                        [std::size_t(signA.DayNumber + signB.DayNumber)];
            if (!composite)
                composite = mmc::CompositeOf(signA, signB);
            form.pair(out, a, b, *composite);
        }
    }
    form.end(out);
}

} // namespace kinmatch_cli
