#pragma once

// The forms kinmatch-cli answers in (text, JSON, CSV): one formatter a form, each writing
// through the command's Output.

#include "Console.h"
#include "People.h"

#include <memory>
#include <string>
#include <vector>

namespace kinmatch_cli {

// A person's reading as text: labelled lines, then the descriptions; explain adds the working.
std::string ReadingText(const DatedPerson& person, bool explain = false);

// Readings of dates, one person after another.
class ReadingForm {
public:
    virtual ~ReadingForm() = default;
    virtual void begin(Output&) {}
    virtual void person(Output& out, const DatedPerson& person) = 0;
    virtual void end(Output&) {}
};
// form is "", "--json" or "--csv"; explain adds the working to text and JSON.
std::unique_ptr<ReadingForm> ReadingFormOf(const std::string& form, bool explain);

// The composite of two persons, each person's sign, and with explain the working.
void WriteMatch(Output& out, const DatedPerson& user, const DatedPerson& partner, bool json,
                bool explain);

// A group: the persons, then every pair once in input order.
class GroupForm {
public:
    virtual ~GroupForm() = default;
    virtual void begin(Output&, const std::vector<DatedPerson>&) {}
    virtual void pair(Output& out, std::size_t a, std::size_t b,
                      const modMayanCompatibility::CompositeReading& composite) = 0;
    virtual void end(Output&) {}
};
// form is "", "--json" or "--csv".
std::unique_ptr<GroupForm> GroupFormOf(const std::string& form);

// Every pair of the group once, in input order: (0,1), (0,2) ... (1,2) ...
void WriteGroup(Output& out, GroupForm& form, const std::vector<DatedPerson>& people);

} // namespace kinmatch_cli
