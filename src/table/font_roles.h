// The four font roles texts are drawn in, each a font and a scale in percent that the user
// may change in the options; drawing code asks FontHeightFor for the role's size.
#pragma once

#include <QString>

namespace klondar::table {

// In the order of the settings file's font lines.
enum class FontRole { kDecor, kSerif, kFixed, kConew };
inline constexpr int kFontRoleCount = 4;
inline constexpr int kMinFontScale = 50;
inline constexpr int kMaxFontScale = 150;

struct FontRoleChoice {
  QString family;
  int scale = 100;  // percent
};

// What a new installation uses and the options' "Default" restores.
FontRoleChoice DefaultFontRoleChoice(FontRole role);
FontRoleChoice FontRoleChoiceOf(FontRole role);
// Refuses an empty family or a scale outside 50..150 and keeps the role as it was.
bool SetFontRoleChoice(FontRole role, const FontRoleChoice& choice);

// size x the role's scale / 100, rounded to the nearest integer. Sizes come already scaled
// to the window, so window size and font scale multiply.
int FontHeightFor(int size, FontRole role);

// The role's entry in the options' role list, in the current language.
QString FontRoleCaption(FontRole role);

}  // namespace klondar::table
