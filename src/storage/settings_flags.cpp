#include "storage/settings_flags.h"

namespace klondar::storage {
namespace {

// The character at 1-based `position`, or '\0' when the line is too short.
char At(std::string_view line, std::size_t position) {
  return position <= line.size() ? line[position - 1] : '\0';
}

void TakeBool(char c, bool& option) {
  if (c == '1') option = true;
  if (c == '0') option = false;
}

void TakeDigit(char c, int lo, int hi, int& option) {
  if (c >= '0' + lo && c <= '0' + hi) option = c - '0';
}

char Bit(bool on) { return on ? '1' : '0'; }

// A value outside what the reader takes is written as the default, so that what is written
// is always read back as written.
char Digit(int value, int lo, int hi, int fallback) {
  return static_cast<char>('0' + (value >= lo && value <= hi ? value : fallback));
}

}  // namespace

void ReadFlagsLine(std::string_view line, Settings& s) {
  TakeDigit(At(line, 1), 1, 9, s.language);  // "0" and "#" leave the first language
  const char sounds = At(line, 2);
  if (sounds >= '0' && sounds <= '3') {
    s.sound = sounds == '1' || sounds == '2';
    s.music = sounds == '1' || sounds == '3';
  }
  TakeBool(At(line, 3), s.menuAnimation);
  TakeBool(At(line, 4), s.flyingCards);
  TakeDigit(At(line, 5), 1, 2, s.clubView);
  TakeBool(At(line, 6), s.duelMode);
  TakeBool(At(line, 7), s.ownCursors);
  TakeDigit(At(line, 8), 1, 6, s.flightSpeed);
  TakeDigit(At(line, 9), 1, 5, s.windowSize);
  if (line.size() >= 10) s.startReported = At(line, 10) == 'R';
  if (line.size() >= 11) s.likeVoteSent = At(line, 11) == 'L';
  if (line.size() >= 12) s.radioListFromDisk = At(line, 12) == '1';
  TakeDigit(At(line, 13), 1, 7, s.titleDesign);
  TakeBool(At(line, 14), s.newButtons);
  TakeBool(At(line, 15), s.auxiliaryCustom);
  TakeDigit(At(line, 16), 1, 3, s.auxiliaryDesign);
  TakeDigit(At(line, 17), 0, 1, s.menuDesign);
  TakeDigit(At(line, 18), 0, 1, s.tableDesign);
  TakeBool(At(line, 19), s.buttonSalute);
  TakeBool(At(line, 20), s.cardSalute);
}

std::string FormatFlagsLine(const Settings& s) {
  const Settings defaults;
  std::string line(20, '#');
  line[0] = Digit(s.language, 0, kLanguageCount - 1, defaults.language);
  line[1] = s.sound ? (s.music ? '1' : '2') : (s.music ? '3' : '0');
  line[2] = Bit(s.menuAnimation);
  line[3] = Bit(s.flyingCards);
  line[4] = Digit(s.clubView, 1, 2, defaults.clubView);
  line[5] = Bit(s.duelMode);
  line[6] = Bit(s.ownCursors);
  line[7] = Digit(s.flightSpeed, 1, 6, defaults.flightSpeed);
  line[8] = Digit(s.windowSize, 1, 5, defaults.windowSize);
  line[9] = s.startReported ? 'R' : '#';
  line[10] = s.likeVoteSent ? 'L' : '#';
  line[11] = Bit(s.radioListFromDisk);
  line[12] = Digit(s.titleDesign, 1, 7, defaults.titleDesign);
  line[13] = Bit(s.newButtons);
  line[14] = Bit(s.auxiliaryCustom);
  line[15] = Digit(s.auxiliaryDesign, 1, 3, defaults.auxiliaryDesign);
  line[16] = Digit(s.menuDesign, 0, 1, defaults.menuDesign);
  line[17] = Digit(s.tableDesign, 0, 1, defaults.tableDesign);
  line[18] = Bit(s.buttonSalute);
  line[19] = Bit(s.cardSalute);
  return line;
}

void ReadRuleLine(std::string_view line, RuleOptions& rules) {
  if (At(line, 1) == '1') rules.targetScore = 301;
  if (At(line, 2) == '0') rules.optTrumpSevenExchange = false;
  if (At(line, 3) == '1') rules.optBellaFirstHandOnly = true;
  if (At(line, 4) == '0') rules.optMustOvertrump = false;
  if (At(line, 5) == '1') rules.optAlternateFirstBidder = true;
  if (At(line, 6) == '0') rules.optFreza = false;
}

std::string FormatRuleLine(const RuleOptions& rules) {
  std::string line(6, '#');
  line[0] = rules.targetScore == 301 ? '1' : '2';
  line[1] = Bit(rules.optTrumpSevenExchange);
  line[2] = Bit(rules.optBellaFirstHandOnly);
  line[3] = Bit(rules.optMustOvertrump);
  line[4] = Bit(rules.optAlternateFirstBidder);
  line[5] = Bit(rules.optFreza);
  return line;
}

}  // namespace klondar::storage
