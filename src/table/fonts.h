// The table's font: the "decor" role ("Comic Sans MS" by default, drawn here with its free
// stand-in Comic Neue) at the role's scale.
#pragma once

#include <QFont>

namespace klondar::table {

QFont TableFont(int pixelSize, bool bold = true);

}  // namespace klondar::table
