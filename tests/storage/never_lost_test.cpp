// Every rewrite either replaces the whole file or leaves the old one as it was, and says
// which.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <map>

#include "storage/club_file.h"
#include "storage/club_updates.h"
#include "storage/history_file.h"
#include "storage/login_file.h"
#include "storage/settings_file.h"
#include "temp_folder.h"

namespace klondar::storage {
namespace {

namespace fs = std::filesystem;

// Every file under `folder` with its bytes.
std::map<fs::path, std::string> Snapshot(const fs::path& folder) {
  std::map<fs::path, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    files[entry.path()] = entry.is_regular_file() ? testing::ReadBytes(entry.path()) : "<dir>";
  }
  return files;
}

// Makes every file write beyond `bytes` fail, as on a full disk (root is not exempt).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};

struct Writer {
  const char* what;
  fs::path file;                                 // under the folder
  std::function<void(const fs::path&)> prepare;  // writes the old file
  std::function<bool(const fs::path&)> rewrite;  // true when it reports success
};

ClubFile ClubWithIvan() {
  ClubFile club = FreshClubFile();
  club.members[0] = ClubMember{"Ivan", 1.5, 7, 30, "pw"};
  return club;
}

const HistoryEntry kEntry{"Ivan", 1, 12, 1.5, HistoryKind::kLocal};
constexpr HistoryStamp kStamp{2024, 3, 7, 21, 30};

std::vector<Writer> Writers() {
  return {
      {"SaveSettings", "Klondar2.ini",
       [](const fs::path& f) { ASSERT_TRUE(SaveSettings(f, Settings{}).ok); },
       [](const fs::path& f) {
         Settings s;
         s.playerName = "Olga";
         return SaveSettings(f, s).ok;
       }},
      {"StoreGameResult", "Klondar2.clb",
       [](const fs::path& f) {
         testing::WriteBytes(f / "Klondar2.clb", FormatClubFile(ClubWithIvan()));
       },
       [](const fs::path& f) {
         return StoreGameResult(f / "Klondar2.clb", ClubMember{"Ivan", 2, 8, 40, "pw"}, 1).status ==
                ClubUpdateStatus::kDone;
       }},
      {"RemoveMember", "Klondar2.net",
       [](const fs::path& f) {
         testing::WriteBytes(f / "Klondar2.net", FormatClubFile(ClubWithIvan()));
       },
       [](const fs::path& f) {
         return RemoveMember(f / "Klondar2.net", 1).status == ClubUpdateStatus::kDone;
       }},
      {"AppendHistory", fs::path("History") / "Klondar2_I0001.hst",
       [](const fs::path& f) {
         ASSERT_TRUE(AppendHistory(f, {&kEntry, 1}, kStamp).ok);
       },
       [](const fs::path& f) {
         return AppendHistory(f, {&kEntry, 1}, kStamp).ok;
       }},
      {"SaveLogin", "VelUser.vel",
       [](const fs::path& f) {
         ASSERT_TRUE(SaveLogin(f, Login{"Ivan", "secret"}).ok);
       },
       [](const fs::path& f) {
         return SaveLogin(f, Login{"Olga", "secret2"}).ok;
       }},
  };
}

TEST(NeverLost, AFullDiskLeavesTheOldFile) {
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.what);
    testing::TempFolder folder;
    w.prepare(folder.path());
    const auto before = Snapshot(folder.path());
    bool reported;
    {
      const FileSizeLimit full(16);
      reported = w.rewrite(folder.path());
    }
    EXPECT_FALSE(reported) << "the failure is reported";
    EXPECT_EQ(Snapshot(folder.path()), before) << "old file intact, nothing left behind";
    EXPECT_TRUE(w.rewrite(folder.path())) << "and once there is room it works";
  }
}

TEST(NeverLost, AFileMarkedReadOnlyIsLeftAsItIs) {
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.what);
    testing::TempFolder folder;
    w.prepare(folder.path());
    fs::permissions(folder / w.file.string(), fs::perms::owner_read | fs::perms::group_read);
    const auto before = Snapshot(folder.path());
    EXPECT_FALSE(w.rewrite(folder.path()));
    EXPECT_EQ(Snapshot(folder.path()), before);
  }
  testing::TempFolder folder;
  testing::WriteBytes(folder / "Klondar2.clb", FormatClubFile(FreshClubFile()));
  fs::permissions(folder / "Klondar2.clb", fs::perms::owner_read);
  const ClubCheck check = CheckClubFile(folder / "Klondar2.clb");
  EXPECT_TRUE(check.intact);
  EXPECT_FALSE(check.writable);
  EXPECT_EQ(check.message, ClubMessage::kIncorrectAttributes);
}

TEST(NeverLost, AReadOnlyFolderLeavesTheOldFile) {
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.what);
    testing::TempFolder folder;
    w.prepare(folder.path());
    const fs::path parent = (folder / w.file.string()).parent_path();
    fs::permissions(parent, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(parent.c_str(), W_OK) == 0) {
      GTEST_SKIP() << "permission bits do not stop this user (root) from writing";
    }
    const auto before = Snapshot(folder.path());
    EXPECT_FALSE(w.rewrite(folder.path()));
    EXPECT_EQ(Snapshot(folder.path()), before);
  }
}

TEST(NeverLost, NoFolderToWriteInIsAFailure) {
  testing::TempFolder folder;
  const fs::path notAFolder = folder / "file";
  testing::WriteBytes(notAFolder, "x");
  for (const fs::path& where : {notAFolder, folder / "missing"}) {
    SCOPED_TRACE(where.string());
    EXPECT_FALSE(SaveSettings(where, Settings{}).ok);
    EXPECT_FALSE(SaveLogin(where, Login{"Ivan", "pw"}).ok);
    EXPECT_FALSE(InstallClubFile(where / "Klondar2.clb").ok);
  }
  // The History folder replaced by a file.
  testing::WriteBytes(folder / "History", "not a folder");
  EXPECT_FALSE(AppendHistory(folder.path(), {&kEntry, 1}, kStamp).ok);
  EXPECT_EQ(testing::ReadBytes(folder / "History"), "not a folder");
}

TEST(NeverLost, ARewriteKeepsTheFilesPermissions) {
  testing::TempFolder folder;
  ASSERT_TRUE(SaveSettings(folder.path(), Settings{}).ok);
  const fs::perms chosen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(folder / "Klondar2.ini", chosen);
  ASSERT_TRUE(SaveSettings(folder.path(), Settings{}).ok);
  EXPECT_EQ(fs::status(folder / "Klondar2.ini").permissions(), chosen);
}

}  // namespace
}  // namespace klondar::storage
