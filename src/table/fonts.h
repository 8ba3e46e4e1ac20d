// The table's font: the design's "Comic Sans MS", with its free stand-in Comic Neue.
#pragma once

#include <QFont>

namespace klondar::table {

QFont TableFont(int pixelSize, bool bold = true);

}  // namespace klondar::table
