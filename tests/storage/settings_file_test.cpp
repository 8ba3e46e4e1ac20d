#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "storage/account_protection.h"
#include "storage/cp1251.h"
#include "temp_folder.h"

namespace klondar::storage {
namespace {

using Lines = std::vector<std::string>;  // cp1251, line 1 at index 0

std::string Join(const Lines& lines, std::string_view end = "\r\n") {
  std::string out;
  for (const std::string& line : lines) out += line + std::string(end);
  return out;
}

std::string NameFor(int language) { return "Mr.X#" + std::to_string(language); }

LoadedSettings Read(const Lines& lines) { return ReadSettingsText(Join(lines), NameFor); }

// A file with a value other than the default on every line.
Lines SampleFile() {
  return {"<# General>",
          "320021065##171131100",
          "<# Cards>",
          "35",
          "<# Decks>",
          "091",
          "<# Individual>",
          "101010",
          "<# Fonts>",
          "DejaVu Sans",
          "Liberation Serif",
          Utf8ToCp1251("Терминал"),
          "Noto Mono",
          "50",
          "75",
          "125",
          "150",
          "<# IP & Port>",
          "192.168.0.7",
          "31000",
          "<# Background>",
          "104",
          "<# Name Of Player>",
          Utf8ToCp1251("Вася"),
          "<# World Top Ten>",
          ProtectAccountValue("hunter22"),
          "Nick_1234567",
          "6-054",
          Utf8ToCp1251("Санкт-Петербург"),
          "W",
          ProtectAccountValue("second"),
          "<# Save Games as GIF>",
          "\xE8",
          "2",
          "250"};
}

TEST(SettingsFile, ReadsEveryLineAndWritesTheSameFileBack) {
  const LoadedSettings loaded = Read(SampleFile());
  ASSERT_EQ(loaded.source, SettingsSource::kFile);
  ASSERT_EQ(loaded.stopLine, 0);
  const Settings& s = loaded.settings;
  EXPECT_EQ(s.language, 3);
  EXPECT_TRUE(s.sound);
  EXPECT_FALSE(s.music);
  EXPECT_FALSE(s.menuAnimation);
  EXPECT_FALSE(s.flyingCards);
  EXPECT_EQ(s.clubView, 2);
  EXPECT_TRUE(s.duelMode);
  EXPECT_FALSE(s.ownCursors);
  EXPECT_EQ(s.flightSpeed, 6);
  EXPECT_EQ(s.windowSize, 5);
  EXPECT_FALSE(s.startReported);
  EXPECT_FALSE(s.likeVoteSent);
  EXPECT_TRUE(s.radioListFromDisk);
  EXPECT_EQ(s.titleDesign, 7);
  EXPECT_TRUE(s.newButtons);
  EXPECT_TRUE(s.auxiliaryCustom);
  EXPECT_EQ(s.auxiliaryDesign, 3);
  EXPECT_EQ(s.menuDesign, 1);
  EXPECT_EQ(s.tableDesign, 1);
  EXPECT_FALSE(s.buttonSalute);
  EXPECT_FALSE(s.cardSalute);
  EXPECT_EQ(s.deckStyle, 35);
  EXPECT_EQ(s.backSet, 9);
  EXPECT_TRUE(s.alwaysOneBack);
  EXPECT_EQ(s.rules.targetScore, 301);
  EXPECT_FALSE(s.rules.optTrumpSevenExchange);
  EXPECT_TRUE(s.rules.optBellaFirstHandOnly);
  EXPECT_FALSE(s.rules.optMustOvertrump);
  EXPECT_TRUE(s.rules.optAlternateFirstBidder);
  EXPECT_FALSE(s.rules.optFreza);
  EXPECT_EQ(s.fonts[kFontDecor].name, "DejaVu Sans");
  EXPECT_EQ(s.fonts[kFontFixed].name, "Терминал");
  EXPECT_EQ(s.fonts[kFontDecor].scale, 50);
  EXPECT_EQ(s.fonts[kFontConew].scale, 150);
  EXPECT_EQ(s.duelAddress, "192.168.0.7");
  EXPECT_EQ(s.duelPort, "31000");
  EXPECT_EQ(s.backgroundKind, 10);
  EXPECT_EQ(s.backgroundVariant, 4);
  EXPECT_EQ(s.playerName, "Вася");
  EXPECT_EQ(s.accountPassword, "hunter22");
  EXPECT_EQ(s.passportNick, "Nick_1234567");
  EXPECT_EQ(s.region, "6-054");
  EXPECT_EQ(s.city, "Санкт-Петербург");
  EXPECT_EQ(s.sex, 'W');
  EXPECT_EQ(s.accountSecondValue, "second");
  EXPECT_TRUE(s.gifRecording);
  EXPECT_EQ(s.gifSource, 2);
  EXPECT_EQ(s.gifDelayMs, 250);

  EXPECT_EQ(FormatSettings(s), Join(SampleFile()));
  // Line ends of LF alone read the same.
  EXPECT_EQ(FormatSettings(ReadSettingsText(Join(SampleFile(), "\n")).settings),
            Join(SampleFile()));
}

TEST(SettingsFile, ReadingStopsWhereTheFileStopsMakingSense) {
  const Settings d;
  const struct {
    const char* what;
    std::function<void(Lines&)> edit;
    int stopLine;
    std::function<void(const Settings&)> expect;
  } cases[] = {
      {"34 lines: all defaults, the language too", [](Lines& l) { l.pop_back(); }, 0,
       [&](const Settings& s) {
         EXPECT_EQ(s.language, 0);
         EXPECT_EQ(s.deckStyle, 0);
         EXPECT_EQ(s.playerName, "Mr.X#0");
         EXPECT_EQ(s.gifDelayMs, 1000);
       }},
      {"flags \"3\" alone: French, other flags default", [](Lines& l) { l[1] = "3"; }, 0,
       [&](const Settings& s) {
         EXPECT_EQ(s.language, 3);
         EXPECT_TRUE(s.sound && s.music && s.menuAnimation && s.ownCursors);
         EXPECT_EQ(s.flightSpeed, 4);
         EXPECT_TRUE(s.startReported);
         EXPECT_EQ(s.deckStyle, 35) << "the later lines are still read";
       }},
      {"speed 7 keeps 4", [](Lines& l) { l[1][7] = '7'; }, 0,
       [&](const Settings& s) {
         EXPECT_EQ(s.flightSpeed, 4);
         EXPECT_EQ(s.windowSize, 5);
       }},
      {"a language letter keeps the first language", [](Lines& l) { l[1][0] = 'a'; }, 0,
       [&](const Settings& s) { EXPECT_EQ(s.language, 0); }},
      {"flags too short for position 10 keep it set", [](Lines& l) { l[1].resize(9); }, 0,
       [&](const Settings& s) {
         EXPECT_TRUE(s.startReported);
         EXPECT_TRUE(s.likeVoteSent);
         EXPECT_EQ(s.windowSize, 5);
       }},
      {"deck \"07\" is not a number of ours", [](Lines& l) { l[3] = "07"; }, 4,
       [&](const Settings& s) {
         EXPECT_EQ(s.deckStyle, 0);
         EXPECT_EQ(s.language, 3);
       }},
      {"deck 48 does not exist", [](Lines& l) { l[3] = "48"; }, 4,
       [&](const Settings& s) { EXPECT_EQ(s.deckStyle, 0); }},
      {"line 6 \"12\" stops everything after", [](Lines& l) { l[5] = "12"; }, 6,
       [&](const Settings& s) {
         EXPECT_EQ(s.deckStyle, 35);
         EXPECT_EQ(s.backSet, 0);
         EXPECT_EQ(s.rules.targetScore, 501);
         EXPECT_EQ(s.fonts[kFontDecor].name, "Comic Sans MS");
         EXPECT_EQ(s.duelAddress, "127.0.0.1");
         EXPECT_EQ(s.playerName, "Mr.X#3") << "the default name in the language read";
         EXPECT_EQ(s.accountPassword, "");
         EXPECT_FALSE(s.gifRecording);
       }},
      {"a one-letter font stops at it", [](Lines& l) { l[10] = "A"; }, 11,
       [&](const Settings& s) {
         EXPECT_EQ(s.fonts[kFontDecor].name, "DejaVu Sans");
         EXPECT_EQ(s.fonts[kFontSerif].name, "Comic Sans MS");
         EXPECT_EQ(s.fonts[kFontDecor].scale, 100);
       }},
      {"an empty scale stops at it", [](Lines& l) { l[14] = ""; }, 15,
       [&](const Settings& s) {
         EXPECT_EQ(s.fonts[kFontDecor].scale, 50);
         EXPECT_EQ(s.fonts[kFontSerif].scale, 100);
       }},
      {"a scale above 150", [](Lines& l) { l[15] = "151"; }, 16,
       [&](const Settings& s) { EXPECT_EQ(s.fonts[kFontFixed].scale, 100); }},
      {"an empty caption before the address", [](Lines& l) { l[17] = ""; }, 18,
       [&](const Settings& s) { EXPECT_EQ(s.duelAddress, "127.0.0.1"); }},
      {"an empty port", [](Lines& l) { l[19] = ""; }, 20,
       [&](const Settings& s) {
         EXPECT_EQ(s.duelAddress, "192.168.0.7");
         EXPECT_EQ(s.duelPort, "25666");
       }},
      {"a background of two characters", [](Lines& l) { l[21] = "10"; }, 22,
       [&](const Settings& s) { EXPECT_EQ(s.backgroundKind, 2); }},
      {"background kind 11", [](Lines& l) { l[21] = "114"; }, 22,
       [&](const Settings& s) { EXPECT_EQ(s.backgroundVariant, 0); }},
      {"an empty name caption", [](Lines& l) { l[22] = ""; }, 23,
       [&](const Settings& s) { EXPECT_EQ(s.playerName, "Mr.X#3"); }},
      {"a name with a TAB is not ours", [](Lines& l) { l[23] = "Va\tsya"; }, 24,
       [&](const Settings& s) { EXPECT_EQ(s.playerName, "Mr.X#3"); }},
      {"a password in clear is refused", [](Lines& l) { l[25] = "hunter22"; }, 26,
       [&](const Settings& s) {
         EXPECT_EQ(s.accountPassword, "");
         EXPECT_EQ(s.passportNick, "Incognito");
       }},
      {"a long nick is cut to 12", [](Lines& l) { l[26] = "ABCDEFGHIJKLMNOP"; }, 0,
       [&](const Settings& s) { EXPECT_EQ(s.passportNick, "ABCDEFGHIJKL"); }},
      {"continent 7", [](Lines& l) { l[27] = "7-001"; }, 0,
       [&](const Settings& s) {
         EXPECT_EQ(s.region, "1-001");
         EXPECT_EQ(s.city, "Санкт-Петербург");
       }},
      {"Europe 049", [](Lines& l) { l[27] = "1-049"; }, 0,
       [&](const Settings& s) { EXPECT_EQ(s.region, "1-001"); }},
      {"Europe 048", [](Lines& l) { l[27] = "1-048"; }, 0,
       [&](const Settings& s) { EXPECT_EQ(s.region, "1-048"); }},
      {"Oceania 024", [](Lines& l) { l[27] = "5-024"; }, 0,
       [&](const Settings& s) { EXPECT_EQ(s.region, "1-001"); }},
      {"a region of 4 characters stops", [](Lines& l) { l[27] = "1-01"; }, 28,
       [&](const Settings& s) { EXPECT_EQ(s.city, "Moscow"); }},
      {"a long city is cut to 15", [](Lines& l) { l[28] = "Llanfairpwllgwyngyll"; }, 0,
       [&](const Settings& s) { EXPECT_EQ(s.city, "Llanfairpwllgwy"); }},
      {"sex X is M", [](Lines& l) { l[29] = "X"; }, 0,
       [&](const Settings& s) { EXPECT_EQ(s.sex, 'M'); }},
      {"an empty second account value", [](Lines& l) { l[30] = ""; }, 31,
       [&](const Settings& s) {
         EXPECT_EQ(s.accountPassword, "hunter22");
         EXPECT_FALSE(s.gifRecording);
       }},
      {"recording is on only for the letter", [](Lines& l) { l[32] = "x"; }, 0,
       [&](const Settings& s) {
         EXPECT_FALSE(s.gifRecording);
         EXPECT_EQ(s.gifSource, 2);
       }},
      {"GIF source 3", [](Lines& l) { l[33] = "3"; }, 34,
       [&](const Settings& s) {
         EXPECT_EQ(s.gifSource, 1);
         EXPECT_EQ(s.gifDelayMs, 1000);
       }},
      {"a delay above 5000", [](Lines& l) { l[34] = "5001"; }, 35,
       [&](const Settings& s) {
         EXPECT_EQ(s.gifDelayMs, 1000);
         EXPECT_EQ(s.gifSource, 2);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Lines lines = SampleFile();
    c.edit(lines);
    const LoadedSettings loaded = Read(lines);
    EXPECT_EQ(loaded.stopLine, c.stopLine);
    c.expect(loaded.settings);
  }
}

// A file the program could have written: every line holds a value the reader takes.
Lines GeneratedFile(std::mt19937& random) {
  const auto pick = [&](std::string_view from) { return from[random() % from.size()]; };
  const auto number = [&](int lo, int hi) {
    return std::to_string(lo + static_cast<int>(random() % static_cast<unsigned>(hi - lo + 1)));
  };
  const auto text = [&](std::size_t minLength, std::size_t maxLength) {
    std::string t(minLength + random() % (maxLength - minLength + 1), ' ');
    for (char& c : t) c = static_cast<char>(0x20 + random() % (256 - 0x20));
    return t;
  };
  const auto utf8 = [&]() {
    std::string t(random() % 16, ' ');
    for (char& c : t) c = static_cast<char>(random() % 256);
    return t;
  };
  const std::string kinds[] = {"0", "1"};
  std::string flags;
  for (const std::string_view values :
       {"0123456789", "0123", "01",      "01", "12", "01",  "01", "123456", "12345", "R#",
        "L#",         "01",   "1234567", "01", "01", "123", "01", "01",     "01",    "01"}) {
    flags += pick(values);
  }
  const int continent = 1 + static_cast<int>(random() % 6);
  const int lastCountry[] = {48, 51, 35, 14, 23, 54};
  std::string country = number(0, lastCountry[continent - 1]);
  country.insert(0, 3 - country.size(), '0');
  std::string backs = number(0, 12);
  if (backs.size() == 1) backs.insert(0, "0");
  std::string kind = number(1, 10);
  if (kind.size() == 1) kind.insert(0, "0");
  std::string rules = {pick("12"), pick("01"), pick("01"), pick("01"), pick("01"), pick("01")};
  return {"<# General>",
          flags,
          "<# Cards>",
          number(0, 47),
          "<# Decks>",
          backs + pick("01"),
          "<# Individual>",
          rules,
          "<# Fonts>",
          text(2, 30),
          text(2, 30),
          text(2, 30),
          text(2, 30),
          number(50, 150),
          number(50, 150),
          number(50, 150),
          number(50, 150),
          "<# IP & Port>",
          text(1, 40),
          text(1, 6),
          "<# Background>",
          kind + number(0, 6),
          "<# Name Of Player>",
          text(1, 20),
          "<# World Top Ten>",
          ProtectAccountValue(utf8()),
          text(1, 12),
          std::to_string(continent) + "-" + country,
          text(1, 15),
          std::string(1, pick("MW")),
          ProtectAccountValue(utf8()),
          "<# Save Games as GIF>",
          std::string(1, pick("\xE8\xEB")),
          number(1, 2),
          number(10, 5000)};
}

TEST(SettingsFile, WritingRightAfterReadingGivesTheSameFile) {
  std::mt19937 random(2024);
  for (int i = 0; i < 500; ++i) {
    const std::string file = Join(GeneratedFile(random));
    const LoadedSettings loaded = ReadSettingsText(file);
    ASSERT_EQ(loaded.source, SettingsSource::kFile) << i;
    ASSERT_EQ(loaded.stopLine, 0) << i;
    ASSERT_EQ(FormatSettings(loaded.settings), file) << i;
  }
}

TEST(SettingsFile, TheDefaultsAsWritten) {
  Settings s;
  s.accountPassword = "hunter22";
  const std::string file = FormatSettings(s);
  const Lines expected = {"<# General>",
                          "011110141RL010020011",
                          "<# Cards>",
                          "0",
                          "<# Decks>",
                          "000",
                          "<# Individual>",
                          "210101",
                          "<# Fonts>",
                          "Comic Sans MS",
                          "Comic Sans MS",
                          "FixedSys",
                          "Courier New",
                          "100",
                          "100",
                          "100",
                          "100",
                          "<# IP & Port>",
                          "127.0.0.1",
                          "25666",
                          "<# Background>",
                          "020",
                          "<# Name Of Player>",
                          "Mr.X",
                          "<# World Top Ten>",
                          ProtectAccountValue("hunter22"),
                          "Incognito",
                          "1-001",
                          "Moscow",
                          "M",
                          ProtectAccountValue(""),
                          "<# Save Games as GIF>",
                          "\xEB",
                          "1",
                          "1000"};
  EXPECT_EQ(file, Join(expected));
  EXPECT_EQ(file.find("hunter22"), std::string::npos);
}

TEST(SettingsFile, AValueTheReaderWouldRefuseIsWrittenAsItsDefault) {
  // Written as they are, the empty address or name would stop the next start's reading
  // there and lose every line after it.
  Settings s;
  s.language = 12;
  s.flightSpeed = 0;
  s.deckStyle = 99;
  s.backSet = 20;
  s.fonts[kFontSerif] = FontChoice{"", 10};
  s.duelAddress = "";
  s.duelPort = "\n";
  s.backgroundKind = 0;
  s.playerName = "";
  s.passportNick = "A very long nickname";
  s.region = "1-1";
  s.city = "";
  s.sex = 'x';
  s.gifSource = 3;
  s.accountPassword = "pw";
  s.gifRecording = true;
  s.gifDelayMs = 1;
  const LoadedSettings loaded = ReadSettingsText(FormatSettings(s));
  ASSERT_EQ(loaded.stopLine, 0);
  const Settings& r = loaded.settings;
  const Settings d;
  EXPECT_EQ(r.language, d.language);
  EXPECT_EQ(r.flightSpeed, d.flightSpeed);
  EXPECT_EQ(r.deckStyle, d.deckStyle);
  EXPECT_EQ(r.backSet, d.backSet);
  EXPECT_EQ(r.fonts[kFontSerif].name, d.fonts[kFontSerif].name);
  EXPECT_EQ(r.fonts[kFontSerif].scale, 100);
  EXPECT_EQ(r.duelAddress, d.duelAddress);
  EXPECT_EQ(r.duelPort, " ");
  EXPECT_EQ(r.backgroundKind, d.backgroundKind);
  EXPECT_EQ(r.playerName, "Mr.X");
  EXPECT_EQ(r.passportNick, "A very long ");
  EXPECT_EQ(r.region, d.region);
  EXPECT_EQ(r.city, d.city);
  EXPECT_EQ(r.sex, 'M');
  EXPECT_EQ(r.gifSource, d.gifSource);
  EXPECT_EQ(r.accountPassword, "pw");
  EXPECT_TRUE(r.gifRecording);
  EXPECT_EQ(r.gifDelayMs, d.gifDelayMs);
}

TEST(SettingsFile, SavedAndLoadedFromAFolder) {
  testing::TempFolder folder;
  const LoadedSettings none = LoadSettings(folder.path(), NameFor);
  EXPECT_EQ(none.source, SettingsSource::kDefaults);
  EXPECT_EQ(none.settings.playerName, "Mr.X#0");

  const Settings sample = ReadSettingsText(Join(SampleFile())).settings;
  ASSERT_TRUE(SaveSettings(folder.path(), sample).ok);
  EXPECT_EQ(testing::ReadBytes(folder / "Klondar2.ini"), Join(SampleFile()));
  const LoadedSettings loaded = LoadSettings(folder.path());
  EXPECT_EQ(loaded.source, SettingsSource::kFile);
  EXPECT_EQ(FormatSettings(loaded.settings), Join(SampleFile()));

  testing::TempFolder other;
  std::filesystem::create_directory(other / "Klondar2.ini");
  EXPECT_EQ(LoadSettings(other.path()).source, SettingsSource::kDefaults);
}

}  // namespace
}  // namespace klondar::storage
