// The shown texts: every word in the current language, and the engine's texts (words
// named by their English text, joined by " + ", or player names) turned into shown text.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "word_table.h"

namespace klondar::table {

// The language index 0..9; out-of-range values are refused and leave it unchanged.
bool SetLanguage(int language);
int Language();

QString Text(Word word);
// The name of a language as its own speakers write it, for the language list.
QString LanguageName(int language);
// The language part of picture names ("GFormOpt" + suffix): Japanese and Korean reuse the
// English pictures.
QString PictureSuffix();
// The language part of spoken card names and of the flag pictures: every language its own.
QString VoiceSuffix();
// The word whose English text this is.
std::optional<Word> WordFromEnglish(std::string_view english);
// A text the engine hands to the view, shown in the current language; a part that is no
// word (a player's name) is shown as it is.
QString ShownText(const std::string& engineText);

}  // namespace klondar::table
