// What the settings mean to the window: the language, the font roles and the table's
// presentation options taken from them, and the file read at start-up.
#pragma once

#include <filesystem>

#include "storage/settings.h"
#include "table_options.h"

namespace klondar::table {

// The presentation options of the table as the settings choose them.
TableOptions TableOptionsFrom(const storage::Settings& settings);

// Sets the language and the four font roles from the settings.
void ApplyLanguageAndFonts(const storage::Settings& settings);

// Reads "Klondar2.ini" in the program folder (a missing, short or damaged file gives the
// defaults, with no message) and applies its language and fonts before any window exists.
storage::Settings ReadStartSettings(const std::filesystem::path& programFolder);

}  // namespace klondar::table
