// Every user choice kept in the settings file, with the values of a new installation.
#pragma once

#include <array>
#include <string>

#include "engine/game_state.h"

namespace klondar::storage {

struct FontChoice {
  std::string name;  // UTF-8
  int scale = 100;   // percent, 50..150
};

// The font roles in file order.
enum FontRole { kFontDecor = 0, kFontSerif = 1, kFontFixed = 2, kFontConew = 3 };

inline constexpr int kLanguageCount = 10;
inline constexpr int kDeckStyleCount = 48;   // 0 is the program's own deck
inline constexpr int kBackSetCount = 13;     // 0 is the program's own backs
inline constexpr int kBackgroundKinds = 10;  // 1-based
inline constexpr int kBackgroundVariants = 7;

struct Settings {
  // The general flags.
  int language = 0;  // 0..9
  bool sound = true;
  bool music = true;
  bool menuAnimation = true;  // animated pictures on the menu screen
  bool flyingCards = true;
  int clubView = 1;  // 1 or 2
  bool duelMode = false;
  bool ownCursors = true;
  int flightSpeed = 4;  // 1 slowest .. 6 no flight
  int windowSize = 1;   // 1 small, 2 full screen, 3 average 1, 4 average 2, 5 large
  bool startReported = true;
  bool likeVoteSent = true;
  bool radioListFromDisk = false;  // false: from the server first
  int titleDesign = 1;             // 1..7
  bool newButtons = false;
  bool auxiliaryCustom = false;  // auxiliary window design 4, "Customizable"
  int auxiliaryDesign = 2;       // 1..3
  int menuDesign = 0;            // 0..1
  int tableDesign = 0;           // 0..1
  bool buttonSalute = true;
  bool cardSalute = true;

  int deckStyle = 0;  // 0..47
  int backSet = 0;    // 0..12
  bool alwaysOneBack = false;
  RuleOptions rules;

  std::array<FontChoice, 4> fonts = {FontChoice{"Comic Sans MS", 100},
                                     FontChoice{"Comic Sans MS", 100}, FontChoice{"FixedSys", 100},
                                     FontChoice{"Courier New", 100}};

  std::string duelAddress = "127.0.0.1";
  std::string duelPort = "25666";
  int backgroundKind = 2;     // 1..10
  int backgroundVariant = 0;  // 0..6
  std::string playerName = "Mr.X";

  // The account values, in clear in memory; the file holds them protected.
  std::string accountPassword;
  std::string accountSecondValue;
  // The passport.
  std::string passportNick = "Incognito";  // at most 12 characters
  std::string region = "1-001";            // continent digit, "-", three-digit country
  std::string city = "Moscow";             // at most 15 characters
  char sex = 'M';                          // 'M' or 'W'

  bool gifRecording = false;
  int gifSource = 1;      // 1 the window's client area, 2 the screen area of the window
  int gifDelayMs = 1000;  // 10..5000
};

}  // namespace klondar::storage
