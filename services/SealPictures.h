#pragma once

#include <QString>

namespace kinmatch {

// The resource path of a seal's picture (1..20), 120 by 184 pixels, or of its picture at twice
// that density, with its name in the language of this run (in English where that has none).
QString SealPicturePath(int seal, bool doubleDensity = false);

} // namespace kinmatch
