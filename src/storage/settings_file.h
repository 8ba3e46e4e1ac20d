// The settings file "Klondar2.ini": 35 numbered lines of cp1251 text ended by CR LF, read
// once at start-up and written as a whole at close.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "storage/atomic_write.h"
#include "storage/settings.h"

namespace klondar::storage {

inline constexpr std::string_view kSettingsFileName = "Klondar2.ini";
inline constexpr int kSettingsLines = 35;

enum class SettingsSource {
  kDefaults,   // no file, or one that cannot be read (or is far too large to be ours)
  kShortFile,  // fewer than 35 lines: ignored as a whole
  kFile,       // read, up to `stopLine`
};

struct LoadedSettings {
  Settings settings;
  SettingsSource source = SettingsSource::kDefaults;
  // The line at which reading stopped because it was empty, too short or malformed: it and
  // every later line kept their defaults. 0 when the file was read to the end.
  int stopLine = 0;
};

// The default player name in a language ("Mr.X" translated); when empty, "Mr.X".
using DefaultPlayerName = std::function<std::string(int language)>;

// Reads the settings from the bytes of a settings file. Never fails: whatever cannot be
// taken keeps its default.
LoadedSettings ReadSettingsText(std::string_view bytes, const DefaultPlayerName& nameFor = {});

// The 35 lines. Every value is written in a form the reader takes back unchanged; a value
// the reader would refuse (out of range, an empty or control-character text) is written as
// its default, so that one bad value cannot stop the reading of the lines after it.
std::string FormatSettings(const Settings& settings);

// Reads "Klondar2.ini" in `folder`: a file that cannot be opened is tried once more, then
// the defaults are kept.
LoadedSettings LoadSettings(const std::filesystem::path& folder,
                            const DefaultPlayerName& nameFor = {});

// Writes "Klondar2.ini" in `folder` through a new file renamed into place, trying a second
// time when the first attempt fails. On failure the old file is untouched and the caller
// shows "Can`t save options!". The caller does not call this in a run that found a damaged
// records file at start-up.
WriteResult SaveSettings(const std::filesystem::path& folder, const Settings& settings);

}  // namespace klondar::storage
