#pragma once

#include <QString>

namespace kinmatch {

// Verdana where it is installed, DejaVu Sans otherwise. Asking for a missing family would make
// the toolkit search for a substitute, which costs start-up time.
QString UiFontFamily();

} // namespace kinmatch
