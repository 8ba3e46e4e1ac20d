# Turns words.tsv into a C++ table: cmake -DIN=words.tsv -DOUT=dir -P make_words.cmake
# Writes OUT/word_table.h (the Word identifiers) and OUT/word_table.cpp (the texts).
cmake_minimum_required(VERSION 3.25)
file(STRINGS "${IN}" lines ENCODING UTF-8)
set(ids "")
set(rows "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line MATCHES "^id\t")
    continue()
  endif()
  string(REPLACE "\"" "\\\"" line "${line}")
  string(REPLACE "\t" ";" fields "${line}")
  list(LENGTH fields n)
  # Trailing empty fields vanish from a CMake list; pad to id + ten languages.
  while(n LESS 11)
    list(APPEND fields "")
    math(EXPR n "${n} + 1")
  endwhile()
  if(n GREATER 11)
    message(FATAL_ERROR "make_words: more than ten texts in: ${line}")
  endif()
  list(GET fields 0 id)
  if(NOT id MATCHES "^k[A-Za-z0-9]+$")
    message(FATAL_ERROR "make_words: bad identifier '${id}'")
  endif()
  string(APPEND ids "  ${id},\n")
  set(texts "")
  foreach(i RANGE 1 10)
    list(GET fields ${i} text)
    string(APPEND texts "\"${text}\", ")
  endforeach()
  string(APPEND rows "    {${texts}},\n")
  math(EXPR count "${count} + 1")
endforeach()

set(header "// Generated from assets/words/words.tsv; do not edit.
#pragma once

#include <array>

namespace klondar::table {

enum class Word : int {
${ids}};

inline constexpr int kWordCount = ${count};
inline constexpr int kLanguageCount = 10;

// The texts of every word in the ten languages, UTF-8.
extern const std::array<std::array<const char*, kLanguageCount>, kWordCount> kWordTexts;

}  // namespace klondar::table
")
set(source "// Generated from assets/words/words.tsv; do not edit.
#include \"word_table.h\"

namespace klondar::table {

const std::array<std::array<const char*, kLanguageCount>, kWordCount> kWordTexts{{
${rows}}};

}  // namespace klondar::table
")
# Written beside and renamed into place, and only when changed, so that an unchanged
# table rebuilds nothing and an interrupted run leaves no half file.
function(replace_if_changed path content)
  set(old "")
  if(EXISTS "${path}")
    file(READ "${path}" old)
  endif()
  if(NOT old STREQUAL content)
    file(WRITE "${path}.tmp" "${content}")
    file(RENAME "${path}.tmp" "${path}")
  endif()
endfunction()
replace_if_changed("${OUT}/word_table.h" "${header}")
replace_if_changed("${OUT}/word_table.cpp" "${source}")
