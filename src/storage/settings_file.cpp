#include "storage/settings_file.h"

#include <array>
#include <optional>
#include <vector>

#include "storage/account_protection.h"
#include "storage/cp1251.h"
#include "storage/file_read.h"
#include "storage/fixed_text.h"
#include "storage/settings_flags.h"

namespace klondar::storage {
namespace {

// Ours is about 400 bytes; anything far larger is not a settings file.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

constexpr char kGifOn = '\xE8';   // "и"
constexpr char kGifOff = '\xEB';  // "л"

using Lines = std::array<std::string_view, kSettingsLines + 1>;  // 1-based

// A text value of the file in UTF-8, or nothing when it holds a control character (the
// program never writes one; a stray CR or TAB means the line is not ours).
std::optional<std::string> TextValue(std::string_view raw) {
  if (HasControlByte(raw)) return std::nullopt;
  return Cp1251ToUtf8(raw);
}

std::optional<int> NumberIn(std::string_view raw, int lo, int hi) {
  const std::optional<std::int64_t> value = ParseDecimal(raw);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return static_cast<int>(*value);
}

// Continent digit 1..6, "-", a three-digit country number within the continent's table.
bool IsRegionCode(std::string_view code) {
  static constexpr int kLastCountry[] = {48, 51, 35, 14, 23, 54};
  if (code.size() != 5 || code[0] < '1' || code[0] > '6' || code[1] != '-') return false;
  const std::optional<std::int64_t> country = ParseDigits(code.substr(2));
  return country && *country <= kLastCountry[code[0] - '1'];
}

// Applies the lines in order; returns the line at which reading stopped, 0 at the end.
int ReadLines(const Lines& line, Settings& s, bool& nameTaken) {
  if (!line[2].empty()) ReadFlagsLine(line[2], s);

  const std::optional<int> deck = NumberIn(line[4], 0, kDeckStyleCount - 1);
  if (!deck) return 4;
  s.deckStyle = *deck;

  if (line[6].size() <= 2) return 6;
  const std::optional<std::int64_t> backs = ParseDigits(line[6].substr(0, 2));
  if (!backs || *backs >= kBackSetCount) return 6;
  s.backSet = static_cast<int>(*backs);
  s.alwaysOneBack = line[6][2] == '1';

  ReadRuleLine(line[8], s.rules);

  for (int role = 0; role < 4; ++role) {
    const std::string_view raw = line[10 + role];
    const std::optional<std::string> name = TextValue(raw);
    if (raw.size() < 2 || !name) return 10 + role;
    s.fonts[role].name = *name;
  }
  for (int role = 0; role < 4; ++role) {
    const std::optional<int> scale = NumberIn(line[14 + role], 50, 150);
    if (!scale) return 14 + role;
    s.fonts[role].scale = *scale;
  }

  if (line[18].empty()) return 18;
  const std::optional<std::string> address = TextValue(line[19]);
  if (line[19].empty() || !address) return 19;
  s.duelAddress = *address;
  const std::optional<std::string> port = TextValue(line[20]);
  if (line[20].empty() || !port) return 20;
  s.duelPort = *port;
  if (line[21].empty()) return 21;
  if (line[22].size() < 3) return 22;
  const std::optional<std::int64_t> kind = ParseDigits(line[22].substr(0, 2));
  const std::optional<std::int64_t> variant = ParseDigits(line[22].substr(2, 1));
  if (!kind || *kind < 1 || *kind > kBackgroundKinds || !variant ||
      *variant >= kBackgroundVariants) {
    return 22;
  }
  s.backgroundKind = static_cast<int>(*kind);
  s.backgroundVariant = static_cast<int>(*variant);

  if (line[23].empty()) return 23;
  const std::optional<std::string> name = TextValue(line[24]);
  if (line[24].empty() || !name) return 24;
  s.playerName = *name;
  nameTaken = true;

  const std::optional<std::string> password = UnprotectAccountValue(line[26]);
  if (!password) return 26;
  s.accountPassword = *password;
  const std::optional<std::string> nick = TextValue(line[27].substr(0, 12));
  if (line[27].empty() || !nick) return 27;
  s.passportNick = *nick;
  if (line[28].size() != 5) return 28;
  if (IsRegionCode(line[28])) s.region = std::string(line[28]);
  const std::optional<std::string> city = TextValue(line[29].substr(0, 15));
  if (line[29].empty() || !city) return 29;
  s.city = *city;
  if (line[30].empty()) return 30;
  s.sex = line[30] == "W" ? 'W' : 'M';
  const std::optional<std::string> second = UnprotectAccountValue(line[31]);
  if (!second) return 31;
  s.accountSecondValue = *second;

  s.gifRecording = line[33] == std::string_view(&kGifOn, 1);
  const std::optional<int> source = NumberIn(line[34], 1, 2);
  if (!source) return 34;
  s.gifSource = *source;
  const std::optional<int> delay = NumberIn(line[35], 10, 5000);
  if (!delay) return 35;
  s.gifDelayMs = *delay;
  return 0;
}

std::string DefaultName(const DefaultPlayerName& nameFor, int language) {
  return nameFor ? nameFor(language) : std::string("Mr.X");
}

int InRange(int value, int lo, int hi, int fallback) {
  return value >= lo && value <= hi ? value : fallback;
}

// A text value as the file holds it: cp1251, control characters turned into spaces, cut to
// `maxLength`; shorter than `minLength` (which the reader would refuse) gives `fallback`.
std::string FileText(std::string_view utf8, std::size_t minLength, std::string_view fallback,
                     std::size_t maxLength = std::string_view::npos) {
  const std::string text = ControlsToSpaces(Utf8ToCp1251(utf8).substr(0, maxLength));
  return text.size() >= minLength ? text : Utf8ToCp1251(fallback);
}

}  // namespace

LoadedSettings ReadSettingsText(std::string_view bytes, const DefaultPlayerName& nameFor) {
  LoadedSettings loaded;
  const std::vector<std::string_view> all = SplitLines(bytes);
  bool nameTaken = false;
  if (all.size() < static_cast<std::size_t>(kSettingsLines)) {
    loaded.source = SettingsSource::kShortFile;
  } else {
    loaded.source = SettingsSource::kFile;
    Lines lines;
    for (int i = 1; i <= kSettingsLines; ++i) lines[i] = all[i - 1];
    loaded.stopLine = ReadLines(lines, loaded.settings, nameTaken);
  }
  if (!nameTaken) loaded.settings.playerName = DefaultName(nameFor, loaded.settings.language);
  return loaded;
}

std::string FormatSettings(const Settings& s) {
  const Settings d;
  std::vector<std::string> line(kSettingsLines + 1);
  line[1] = "<# General>";
  line[2] = FormatFlagsLine(s);
  line[3] = "<# Cards>";
  line[4] = std::to_string(InRange(s.deckStyle, 0, kDeckStyleCount - 1, d.deckStyle));
  line[5] = "<# Decks>";
  line[6] = ZeroPadded(InRange(s.backSet, 0, kBackSetCount - 1, d.backSet), 2) +
            (s.alwaysOneBack ? "1" : "0");
  line[7] = "<# Individual>";
  line[8] = FormatRuleLine(s.rules);
  line[9] = "<# Fonts>";
  for (int role = 0; role < 4; ++role) {
    line[10 + role] = FileText(s.fonts[role].name, 2, d.fonts[role].name);
    line[14 + role] = std::to_string(InRange(s.fonts[role].scale, 50, 150, d.fonts[role].scale));
  }
  line[18] = "<# IP & Port>";
  line[19] = FileText(s.duelAddress, 1, d.duelAddress);
  line[20] = FileText(s.duelPort, 1, d.duelPort);
  line[21] = "<# Background>";
  line[22] =
      ZeroPadded(InRange(s.backgroundKind, 1, kBackgroundKinds, d.backgroundKind), 2) +
      std::to_string(InRange(s.backgroundVariant, 0, kBackgroundVariants - 1, d.backgroundVariant));
  line[23] = "<# Name Of Player>";
  line[24] = FileText(s.playerName, 1, d.playerName);
  line[25] = "<# World Top Ten>";
  line[26] = ProtectAccountValue(s.accountPassword);
  line[27] = FileText(s.passportNick, 1, d.passportNick, 12);
  line[28] = IsRegionCode(s.region) ? s.region : d.region;
  line[29] = FileText(s.city, 1, d.city, 15);
  line[30] = s.sex == 'W' ? "W" : "M";
  line[31] = ProtectAccountValue(s.accountSecondValue);
  line[32] = "<# Save Games as GIF>";
  line[33] = std::string(1, s.gifRecording ? kGifOn : kGifOff);
  line[34] = std::to_string(InRange(s.gifSource, 1, 2, d.gifSource));
  line[35] = std::to_string(InRange(s.gifDelayMs, 10, 5000, d.gifDelayMs));
  line.erase(line.begin());
  return JoinCrLf(line);
}

LoadedSettings LoadSettings(const std::filesystem::path& folder, const DefaultPlayerName& nameFor) {
  const std::filesystem::path file = folder / kSettingsFileName;
  FileBytes read = ReadSmallFile(file, kMaxSettingsBytes);
  if (read.status == ReadStatus::kUnreadable) read = ReadSmallFile(file, kMaxSettingsBytes);
  if (read.status != ReadStatus::kRead) {
    LoadedSettings defaults;
    defaults.settings.playerName = DefaultName(nameFor, defaults.settings.language);
    return defaults;
  }
  return ReadSettingsText(read.bytes, nameFor);
}

WriteResult SaveSettings(const std::filesystem::path& folder, const Settings& settings) {
  const std::filesystem::path file = folder / kSettingsFileName;
  const std::string bytes = FormatSettings(settings);
  WriteResult result = ReplaceFile(file, bytes);
  if (!result.ok) result = ReplaceFile(file, bytes);
  return result;
}

}  // namespace klondar::storage
