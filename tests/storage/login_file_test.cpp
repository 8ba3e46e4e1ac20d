#include "storage/login_file.h"

#include <gtest/gtest.h>

#include "storage/account_protection.h"
#include "temp_folder.h"

namespace klondar::storage {
namespace {

TEST(LoginFile, SavedReadAndDeleted) {
  testing::TempFolder shared;
  EXPECT_FALSE(ReadLogin(shared.path()));
  ASSERT_TRUE(SaveLogin(shared.path(), Login{"Вася_1", "hunter22"}).ok);
  const std::string bytes = testing::ReadBytes(shared / "VelUser.vel");
  EXPECT_EQ(bytes,
            "Vel User File\r\n\xC2\xE0\xF1\xFF_1\r\n" + ProtectAccountValue("hunter22") + "\r\n");
  const std::optional<Login> login = ReadLogin(shared.path());
  ASSERT_TRUE(login);
  EXPECT_EQ(login->nick, "Вася_1");
  EXPECT_EQ(login->password, "hunter22");

  EXPECT_TRUE(DeleteLogin(shared.path()));
  EXPECT_FALSE(std::filesystem::exists(shared / "VelUser.vel"));
  EXPECT_TRUE(DeleteLogin(shared.path())) << "nothing to delete is no failure";
  EXPECT_FALSE(SaveLogin(shared.path(), Login{"", "pw"}).ok);
  EXPECT_FALSE(std::filesystem::exists(shared / "VelUser.vel"));
}

TEST(LoginFile, AnythingElseIsNoLogin) {
  const std::string password = ProtectAccountValue("pw");
  for (const std::string& bytes : {
           std::string(),
           std::string("Vel User File\r\nnick\r\n"),           // two lines
           "Vel user file\r\nnick\r\n" + password + "\r\n",    // another first line
           "Vel User File\r\n\r\n" + password + "\r\n",        // no nick
           "Vel User File\r\nni\tck\r\n" + password + "\r\n",  // not a nick of ours
           std::string("Vel User File\r\nnick\r\npw\r\n"),     // a password in clear
           "Vel User File\r\nnick\r\n" + password + "0\r\n",   // a damaged password
       }) {
    testing::TempFolder shared;
    testing::WriteBytes(shared / "VelUser.vel", bytes);
    EXPECT_FALSE(ReadLogin(shared.path())) << bytes;
  }
  testing::TempFolder shared;
  testing::WriteBytes(shared / "VelUser.vel", "Vel User File\nnick\n" + password);
  EXPECT_TRUE(ReadLogin(shared.path())) << "LF line ends and no last line end are fine";
}

}  // namespace
}  // namespace klondar::storage
