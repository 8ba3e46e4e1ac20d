// The words and sound names the engine hands to the view. Words are named by their
// English text; the view shows them in the current language.
#pragma once

namespace klondar::words {

inline constexpr const char* kToBegin = "To Begin";
inline constexpr const char* kToPlay = "To Play";
inline constexpr const char* kPass = "Pass";
inline constexpr const char* kBuyCards = "Buy cards";
inline constexpr const char* kReplaceTheSeven = "Replace the seven";
inline constexpr const char* kExhibitCombinations = "Exhibit combinations";
inline constexpr const char* kOk = "Ok";
inline constexpr const char* kNextRound = "Next Round";
inline constexpr const char* kToSumUpOfGame = "To sum up of game";
inline constexpr const char* kExitToMenu = "Exit to menu";
inline constexpr const char* kNoCombinations = "No combinations";
inline constexpr const char* kWeakCombination = "Weak Combination";
inline constexpr const char* kKlondar = "Klondar";
inline constexpr const char* kTertz = "Tertz";
inline constexpr const char* kBella = "Bella";
inline constexpr const char* kGame = "Game";
inline constexpr const char* kComputerName = "PC";

}  // namespace klondar::words

namespace klondar::sounds {

inline constexpr const char* kDing = "WDing_1";
inline constexpr const char* kPass = "WVelPass";
inline constexpr const char* kTableOpens = "WTasoKo";
inline constexpr const char* kMove = "WHodsDo";
inline constexpr const char* kScore = "WPlMore";
inline constexpr const char* kPlayStarts = "WToMenK";
inline constexpr const char* kWrong = "WWrongs";
inline constexpr const char* kDealWon = "WKoGutX";
inline constexpr const char* kDealLost = "WKoBadX";
inline constexpr const char* kGameWon = "WKoGood";
inline constexpr const char* kGameLost = "WKoBads";

}  // namespace klondar::sounds
