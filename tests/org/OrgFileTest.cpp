#include "org/OrgFile.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/GameFolder.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOldFile = "1\r\n1\r\n6 41\r\nP1 0 6 Old\r\n";

// How many files the folder holds: a temporary file left behind would add one.
long Files(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// Saving through a link replaces the file it names, keeping that file's permissions.
TEST(OrgFile, SavesOverTheOldFileAndLoadsItBack) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows, and its files have no such "
                  "permissions as these";
#endif
  GameFolder folder;
  folder.Write("real.org", kOldFile);
  fs::create_symlink("real.org", folder.Path() / "main.org");
  const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(folder.Path() / "real.org", perms);
  OrgRoot root;
  root.month = 3;
  Add(root, nullptr, 0, 2101, 0, 6, "New");
  Add(root, nullptr, 0, 2102, 1, 7, " Second ");
  ASSERT_EQ(SaveOrganization(root, folder.Path() / "main.org"), OrgFileStatus::kDone);
  EXPECT_EQ(folder.Read("real.org"), WriteOrganization(root));
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "main.org"));
  EXPECT_EQ(fs::status(folder.Path() / "real.org").permissions(), perms);
  EXPECT_EQ(Files(folder.Path()), 2);

  OrgRoot back;
  ASSERT_EQ(LoadOrganization(back, folder.Path() / "main.org"), OrgFileStatus::kDone);
  EXPECT_EQ(Dump(back), "P2101#0:6'New', P2102#1:7' Second '");
  EXPECT_EQ(back.month, 3);
}

// The file size limit makes the disk refuse the write part-way, as a full disk does.
TEST(OrgFile, AWriteThatFailsPartWayLeavesTheOldFileAndNoTemporary) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no file size limit to make the disk refuse a write";
#else
  GameFolder folder;
  folder.Write("main.org", kOldFile);
  OrgRoot root;
  for (int i = 0; i < 20000; ++i)
    Add(root, nullptr, 0, 2101, i, 6, "Rifle Platoon");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(static_cast<int>(SaveOrganization(root, folder.Path() / "main.org")));
  }
  int wait = 0;
  ASSERT_EQ(::waitpid(child, &wait, 0), child);
  ASSERT_TRUE(WIFEXITED(wait));
  EXPECT_EQ(WEXITSTATUS(wait), static_cast<int>(OrgFileStatus::kErrorWriting));
  EXPECT_EQ(folder.Read("main.org"), kOldFile);
  EXPECT_EQ(Files(folder.Path()), 1);
#endif
}

// A program reading the file while it is saved over reads the old contents whole. The file is
// replaced in one step, or, where the system will not replace a file that is open (Windows), left
// as it was and the failure told; once the reader is gone, saving replaces it.
TEST(OrgFile, SavingOverAnOpenFileNeverLosesTheOldContents) {
  GameFolder folder;
  folder.Write("main.org", kOldFile);
  OrgRoot root;
  Add(root, nullptr, 0, 2101, 0, 6, "New");
  std::ifstream reader(folder.Path() / "main.org", std::ios::binary);
  ASSERT_TRUE(reader.is_open());
  const OrgFileStatus status = SaveOrganization(root, folder.Path() / "main.org");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), kOldFile);
  if (status == OrgFileStatus::kDone) {
    EXPECT_EQ(folder.Read("main.org"), WriteOrganization(root));
  } else {
    EXPECT_EQ(status, OrgFileStatus::kErrorClosing);
    EXPECT_EQ(folder.Read("main.org"), kOldFile);
  }
  EXPECT_EQ(Files(folder.Path()), 1);

  reader.close();
  ASSERT_EQ(SaveOrganization(root, folder.Path() / "main.org"), OrgFileStatus::kDone);
  EXPECT_EQ(folder.Read("main.org"), WriteOrganization(root));
  EXPECT_EQ(Files(folder.Path()), 1);
}

// The tool's tests see the rest: a missing folder, a missing file, a file read in part.
TEST(OrgFile, WhatCannotBeOpenedOrReadIsTold) {
  GameFolder folder;
  OrgRoot root;
  Add(root, nullptr, 0, 1);
  fs::create_directory(folder.Path() / "folder.org");
  EXPECT_EQ(SaveOrganization(root, folder.Path() / "folder.org"), OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(Files(folder.Path()), 1);
  EXPECT_TRUE(fs::is_empty(folder.Path() / "folder.org"));
  EXPECT_EQ(LoadOrganization(root, folder.Path() / "none.org"), OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(root.items.Size(), 1u);  // nothing was read, nothing was cleared
  folder.Write("broken.org", "1\r\n4\r\n7 42\r\nP1 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  EXPECT_EQ(LoadOrganization(root, folder.Path() / "broken.org"), OrgFileStatus::kErrorReading);
  EXPECT_EQ(Dump(root), "P1#0:6'Kept'");
}

}  // namespace
}  // namespace valdren::test
