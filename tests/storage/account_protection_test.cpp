#include "storage/account_protection.h"

#include <gtest/gtest.h>

#include <random>

namespace klondar::storage {
namespace {

TEST(AccountProtection, ValuesComeBackAndAreNeverInClear) {
  std::mt19937 random(7);
  std::vector<std::string> values = {"", "a", "secret", "password", "Пароль2024", "aaaaaaaa"};
  for (int i = 0; i < 300; ++i) {
    std::string value(random() % 40, '\0');
    for (char& c : value) c = static_cast<char>(random() % 256);
    values.push_back(value);
  }
  for (const std::string& value : values) {
    const std::string text = ProtectAccountValue(value);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(ProtectAccountValue(value), text) << "the same value, the same text";
    EXPECT_EQ(UnprotectAccountValue(text), value);
    if (value.size() >= 3) {
      EXPECT_EQ(text.find(value), std::string::npos) << value;
    }
  }
  // Repeated characters do not show as repeated digits.
  const std::string repeated = ProtectAccountValue("aaaaaaaa");
  EXPECT_NE(repeated.substr(2, 2), repeated.substr(4, 2));
}

TEST(AccountProtection, TextsItDoesNotGiveAreRefused) {
  const std::string good = ProtectAccountValue("secret");
  std::string wrongCheck = good;
  wrongCheck[0] = wrongCheck[0] == '0' ? '1' : '0';
  ASSERT_EQ(ProtectAccountValue(""), "5A");
  for (const std::string& text :
       {std::string(), std::string("A"), good.substr(1), good + "0", std::string("secret"),
        std::string("ZZ"), wrongCheck, std::string("5a") /* lower case */}) {
    EXPECT_FALSE(UnprotectAccountValue(text)) << text;
  }
}

}  // namespace
}  // namespace klondar::storage
