#pragma once

// The records the windows share and the commands that change them. Windows read the records
// through the const view and change them only through these commands.

#include "modMayanCompatibility.h"

#include <QString>

namespace kinmatch {

// One person's inputs as the main window's controls hold them: the month by its place in the
// list (0 for January), whatever language the list speaks.
struct PersonInputs {
    QString name;
    QString year;
    int month = 0;
    QString day;
};

class ReadingSession {
public:
    const modMayanCompatibility::SharedRecords& records() const { return records_; }

    // The generate command once the inputs have passed the main window's checks: stores both
    // persons' details, computes the user's reading and then the partner's, then the composite.
    // Returns what the result window shows, in the reader's language.
    modMayanCompatibility::ResultDisplay Generate(const PersonInputs& user,
                                                  const PersonInputs& partner);

    // The user's full reading for the report. The engine keeps only the last person's reading,
    // which after Generate is the partner's, so it is computed again from UserDetails; this
    // stores the same UserSign once more and leaves the user's reading in LastReading.
    modMayanNumerology::PersonReading ComputeUserReading();

private:
    modMayanCompatibility::SharedRecords records_;
};

} // namespace kinmatch
