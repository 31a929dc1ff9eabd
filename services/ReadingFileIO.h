#pragma once

// Reading files on disk.

#include "modMayanNumerology.h"

#include <QString>

#include <array>

namespace kinmatch {

enum class SaveOutcome { Saved, NameNotStorable, WriteFailed };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    QString cause; // why the write failed, in the reader's language
};

// Writes through a temporary file that replaces the old one only once it is complete, so a
// failed save leaves an existing file as it was. Only a regular file is ever replaced.
SaveResult SaveReadingFile(const QString& path, const modMayanNumerology::BirthDetails& details);

// The four lines of the file, read from at most its first ReadingFileReadLimit bytes; all empty
// when the file cannot be read or is not a regular file (a FIFO is never waited on).
std::array<QString, 4> LoadReadingFile(const QString& path);

// True when the file holds a reading as the program writes it, whatever its name.
bool HoldsAReading(const QString& path);

// The first character of a name that a reading file cannot store, as the user can see it (a
// control character as an escape such as \x0A), or an empty text.
QString UnstorableCharacter(const QString& name);

} // namespace kinmatch
