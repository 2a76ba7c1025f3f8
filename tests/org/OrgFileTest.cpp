#include "org/OrgFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "org/OrgTrees.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

namespace fs = std::filesystem;
using test::Add;
using test::Dump;

constexpr std::string_view kOldFile = "1\r\n1\r\n6 41\r\nP1 0 6 Old\r\n";

std::string Listing(const fs::path& folder) {
  std::string names;
  for (const auto& entry : fs::directory_iterator(folder))
    names += entry.path().filename().string() + " ";
  return names;
}

void BuildLarge(OrgRoot& root, int count) {
  for (int i = 0; i < count; ++i)
    Add(root, nullptr, 0, 2101, i, 6, "Rifle Platoon");
  root.nextId = count;
}

TEST(OrgFile, MessagesAreTheEditorsTexts) {
  EXPECT_EQ(OrgFileMessage(OrgFileStatus::kUnableToOpen), "Unable to open file");
  EXPECT_EQ(OrgFileMessage(OrgFileStatus::kErrorWriting), "Error writing file");
  EXPECT_EQ(OrgFileMessage(OrgFileStatus::kErrorClosing), "Error closing file");
  EXPECT_EQ(OrgFileMessage(OrgFileStatus::kErrorReading), "Error reading file");
}

TEST(OrgFile, SavesOverTheOldFileAndLoadsItBack) {
  test::GameFolder folder;
  folder.Write("main.org", kOldFile);
  OrgRoot root;
  root.nextId = 2;
  root.month = 3;
  root.year = 44;
  Add(root, nullptr, 0, 2101, 0, 6, "New");
  Add(root, nullptr, 0, 2102, 1, 7, " Second ");
  ASSERT_EQ(SaveOrganization(root, folder.Path() / "main.org"), OrgFileStatus::kDone);
  EXPECT_EQ(folder.Read("main.org"), WriteOrganization(root));
  EXPECT_EQ(Listing(folder.Path()), "main.org ");

  OrgRoot back;
  ASSERT_EQ(LoadOrganization(back, folder.Path() / "main.org"), OrgFileStatus::kDone);
  EXPECT_EQ(Dump(back), "P2101#0:6'New', P2102#1:7' Second '");
  EXPECT_EQ(back.month, 3);
  EXPECT_EQ(back.year, 44);
}

TEST(OrgFile, SavingKeepsTheOldFilesPermissions) {
  test::GameFolder folder;
  folder.Write("main.org", kOldFile);
  const fs::path path = folder.Path() / "main.org";
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  OrgRoot root;
  ASSERT_EQ(SaveOrganization(root, path), OrgFileStatus::kDone);
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(OrgFile, SavingThroughALinkReplacesTheFileItNames) {
  test::GameFolder folder;
  folder.Write("real.org", kOldFile);
  fs::create_symlink("real.org", folder.Path() / "link.org");
  OrgRoot root;
  ASSERT_EQ(SaveOrganization(root, folder.Path() / "link.org"), OrgFileStatus::kDone);
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.org"));
  EXPECT_EQ(folder.Read("real.org"), "1\r\n0\r\n6 41\r\n");
}

TEST(OrgFile, AFileThatCannotBeCreatedIsNotOpened) {
  test::GameFolder folder;
  OrgRoot root;
  EXPECT_EQ(SaveOrganization(root, folder.Path() / "missing" / "main.org"),
            OrgFileStatus::kUnableToOpen);
  fs::create_directory(folder.Path() / "folder.org");
  EXPECT_EQ(SaveOrganization(root, folder.Path() / "folder.org"), OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(Listing(folder.Path()), "folder.org ");
  EXPECT_TRUE(fs::is_empty(folder.Path() / "folder.org"));
}

TEST(OrgFile, AReadOnlyFolderKeepsItsFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  test::GameFolder folder;
  folder.Write("main.org", kOldFile);
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  OrgRoot root;
  const OrgFileStatus status = SaveOrganization(root, folder.Path() / "main.org");
  fs::permissions(folder.Path(), fs::perms::owner_all);
  EXPECT_EQ(status, OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(folder.Read("main.org"), kOldFile);
}

// The file size limit makes the disk refuse the write part-way, as a full disk does.
TEST(OrgFile, AWriteThatFailsPartWayLeavesTheOldFileAndNoTemporary) {
  test::GameFolder folder;
  folder.Write("main.org", kOldFile);
  OrgRoot root;
  BuildLarge(root, 20000);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const OrgFileStatus status = SaveOrganization(root, folder.Path() / "main.org");
    ::_exit(static_cast<int>(status));
  }
  int wait = 0;
  ASSERT_EQ(::waitpid(child, &wait, 0), child);
  ASSERT_TRUE(WIFEXITED(wait));
  EXPECT_EQ(WEXITSTATUS(wait), static_cast<int>(OrgFileStatus::kErrorWriting));
  EXPECT_EQ(folder.Read("main.org"), kOldFile);
  EXPECT_EQ(Listing(folder.Path()), "main.org ");
}

TEST(OrgFile, LoadingTellsAMissingFileFromABrokenOne) {
  test::GameFolder folder;
  OrgRoot root;
  Add(root, nullptr, 0, 1);
  EXPECT_EQ(LoadOrganization(root, folder.Path() / "none.org"), OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(LoadOrganization(root, folder.Path()), OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(root.items.Size(), 1u);  // nothing was read, nothing was cleared

  folder.Write("broken.org", "1\r\n4\r\n7 42\r\nP1 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  EXPECT_EQ(LoadOrganization(root, folder.Path() / "broken.org"), OrgFileStatus::kErrorReading);
  EXPECT_EQ(Dump(root), "P1#0:6'Kept'");
  EXPECT_EQ(root.month, 7);
}

}  // namespace
}  // namespace valdren
