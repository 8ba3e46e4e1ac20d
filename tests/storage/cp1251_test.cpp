#include "storage/cp1251.h"

#include <gtest/gtest.h>

#include "engine/card.h"

namespace klondar::storage {
namespace {

TEST(Cp1251, EveryByteComesBackUnchanged) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, LettersOfTheCodePage) {
  const struct {
    const char* utf8;
    const char* cp1251;
  } cases[] = {
      {"Mr.X", "Mr.X"},
      {"ч", "\xF7"},  // the hearts of the card codes
      {"Вася Пупкин", "\xC2\xE0\xF1\xFF \xCF\xF3\xEF\xEA\xE8\xED"},
      {"Ёё", "\xA8\xB8"},
      {"№€…", "\xB9\x88\x85"},
      {"Ґїє", "\xA5\xBF\xBA"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
    EXPECT_EQ(Cp1251ToUtf8(c.cp1251), c.utf8) << c.utf8;
  }
  EXPECT_EQ(Utf8ToCp1251("ч")[0], kHearts);
}

TEST(Cp1251, WhatTheCodePageLacksBecomesAQuestionMark) {
  const struct {
    const char* utf8;
    const char* cp1251;
  } cases[] = {
      {"日本", "??"},
      {"a\xC3", "a?"},               // cut short at the end
      {"\xC0\xAF", "??"},            // overlong "/"
      {"\xED\xA0\x80x", "???x"},     // a surrogate
      {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
      {"\x80z", "?z"},               // a continuation byte alone
      {"\xF0\x9F\x83\x8F", "?"},     // a playing card, well formed but not in the page
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.cp1251;
}

}  // namespace
}  // namespace klondar::storage
