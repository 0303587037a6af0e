#pragma once

#include <QString>

namespace platform {

// Upper- and lower-casing as the program does it everywhere: only the letters
// a to z and A to Z change; accented letters and every other character stay.
QString asciiUpper(QString text);
QString asciiLower(QString text);

}  // namespace platform
