#pragma once

// The compatibility reading: two persons' signs and tones added into one composite seal and tone.
// Pure C++; text is UTF-8.

#include "Marked.h"
#include "modMayanNumerology.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace modMayanCompatibility {

using modMayanNumerology::PersonSign;

inline constexpr int SealCount = 20;
inline constexpr int ToneCount = 13;

struct SealRow {
    std::string_view SealName;   // colour, one blank, noun: "Blue Monkey"
    std::string_view PictureKey; // the name of the seal's picture, "11Chuen.jpg"
    std::string_view SealDescription;
};

// Rows 1 = "Red Dragon" ... 20 = "Yellow Sun". A person's DaySign indexes this table directly once
// summed; the two numberings are never translated into each other.
extern const std::array<SealRow, SealCount> SealTable;

inline constexpr std::array<std::string_view, ToneCount> ToneTable = {
    kinmatch::Marked("ToneTable", "Magnetic"), kinmatch::Marked("ToneTable", "Lunar"),
    kinmatch::Marked("ToneTable", "Electric"), kinmatch::Marked("ToneTable", "Self-Existing"),
    kinmatch::Marked("ToneTable", "Overtone"), kinmatch::Marked("ToneTable", "Rythmic"),
    kinmatch::Marked("ToneTable", "Resonant"), kinmatch::Marked("ToneTable", "Galactic"),
    kinmatch::Marked("ToneTable", "Solar"),    kinmatch::Marked("ToneTable", "Planetary"),
    kinmatch::Marked("ToneTable", "Spectral"), kinmatch::Marked("ToneTable", "Crystal"),
    kinmatch::Marked("ToneTable", "Cosmic"),
};

// Every composite name that a reading can give, in English, in the order of their seals and then
// their tones: the catalogs' keys for the names in each language.
inline constexpr std::size_t CompositeNameCount = (SealCount - 1) * (ToneCount - 1);
extern const std::array<const char*, CompositeNameCount> CompositeNames;

// A sum above the limit is replaced once by the sum of its two decimal digits.
constexpr int ReduceSum(int sum, int limit)
{
    return sum <= limit ? sum : sum / 10 + sum % 10;
}

struct CompositeReading {
    std::int16_t CompositeSeal = 0; // 2..20
    std::int16_t CompositeTone = 0; // 2..13
    std::string CompositeName;      // "Blue Self-Existing Monkey"
    friend bool operator==(const CompositeReading&, const CompositeReading&) = default;
};

CompositeReading CompositeOf(const PersonSign& user, const PersonSign& partner);

// What the result window shows: the texts of lblResult 0..5 and the picture number (1-based).
struct ResultDisplay {
    std::array<std::string, 6> lblResult;
    int picture = 0;
    friend bool operator==(const ResultDisplay&, const ResultDisplay&) = default;
};

ResultDisplay ResultDisplayOf(const CompositeReading& composite, const PersonSign& user,
                              const PersonSign& partner);

// Every record the windows share, owned by the program and handed to the windows that need it.
// Each generate command overwrites all of them; nothing else writes them.
struct SharedRecords : modMayanNumerology::ReadingRecords {
    modMayanNumerology::BirthDetails UserDetails;
    modMayanNumerology::BirthDetails PartnerDetails;
    CompositeReading Composite;
};

// Combines UserSign and PartnerSign into records.Composite and returns what the result window
// shows for it.
ResultDisplay ComputeComposite(SharedRecords& records);

} // namespace modMayanCompatibility
