// The two lines of the settings file that pack one option per character: the twenty
// general flags and the six rule variants.
#pragma once

#include <string>
#include <string_view>

#include "engine/game_state.h"
#include "storage/settings.h"

namespace klondar::storage {

// Takes each position the line is long enough to have; a character that is not one of the
// position's values leaves that option as it is.
void ReadFlagsLine(std::string_view line, Settings& settings);
std::string FormatFlagsLine(const Settings& settings);  // 20 characters

void ReadRuleLine(std::string_view line, RuleOptions& rules);
std::string FormatRuleLine(const RuleOptions& rules);  // 6 characters

}  // namespace klondar::storage
