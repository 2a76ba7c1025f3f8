// The organization file: its text, written byte for byte and read back as far as it can be, and
// the file on disk, saved in one step over the old one.
#include "org/OrgFile.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "support/GameFolder.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

// A battalion with a company (a leader and a rifle platoon) and a platoon of its own, then a
// separate platoon of another morale.
const std::string kExample =
    "1\r\n6\r\n6 41\r\n"
    "B200123 0 6 1st Battalion\r\n"
    "    C200045 1 6 1st Company\r\n"
    "        P2403 2 6 Company Leader\r\n"
    "        P2101 3 6 Rifle Platoon\r\n"
    "        End\r\n"
    "    P2101 4 6 Rifle Platoon\r\n"
    "    End\r\n"
    "P2102 5 7 Independent Unit\r\n";

// The header fields and the items as read.
std::string Summary(const OrgRoot& root) {
  return std::to_string(root.version) + " " + std::to_string(root.nextId) + " " +
         std::to_string(root.month) + " " + std::to_string(root.year) + ":" + Dump(root);
}

TEST(OrgFormat, TheExampleIsWrittenByteForByteAndReadBackWithEitherLineEnd) {
  OrgRoot root;
  root.nextId = 6;
  OrgGroup& battalion = AddGroup(root, nullptr, 2, 200123, 0, 6, "1st Battalion");
  OrgGroup& company = AddGroup(root, &battalion, 1, 200045, 1, 6, "1st Company");
  Add(root, &company, 0, 2403, 2, 6, "Company Leader");
  Add(root, &company, 0, 2101, 3, 6, "Rifle Platoon");
  Add(root, &battalion, 0, 2101, 4, 6, "Rifle Platoon");
  Add(root, nullptr, 0, 2102, 5, 7, "Independent Unit");
  EXPECT_EQ(WriteOrganization(root), kExample);
  std::string lineFeeds = kExample;
  std::erase(lineFeeds, '\r');
  for (const std::string& file : {kExample, lineFeeds}) {
    OrgRoot back;
    ASSERT_TRUE(ReadOrganization(back, file));
    EXPECT_EQ(Summary(back), Summary(root));
  }
}

TEST(OrgFormat, ReadsWhatItCanAndFailsWhereItMust) {
  const std::string h = "1\r\n9\r\n6 41\r\n";  // the header of the item cases
  const std::string r = "1 9 6 41:";
  const struct {
    bool ok;
    std::string file, read;
  } cases[] = {
      {true, "1\n7\n5 42", "1 7 5 42:"},
      {true, "1 7 05 42\n", "1 7 5 42:"},
      // A file of another version opens empty with the default date.
      {true, "2\r\n9\r\n3 43\r\nP1 0 6 A\r\n", "2 0 6 41:"},
      {false, "one\r\n", "1 0 6 41:"},
      {false, "1\r\n6\r\n6\r\n", "1 6 6 41:"},
      {true, h + "\r\nP1 -4 -2 A\r\n\r\n   \r\nP2 1 6 B\r\n", r + "P1#-4:-2'A', P2#1:6'B'"},
      // The empty line closes the company; the next platoon joins the battalion, whose end line
      // is taken as the battalion's; so one end line is left over at the top level.
      {false,
       h + "B1 0 6 Bn\r\n    C2 1 6 Co\r\n        P3 2 6 A\r\n\r\n        P4 3 6 B\r\n" +
           "        End\r\n    P5 4 6 C\r\n    End\r\n",
       r + "B1#0:6'Bn'[C2#1:6'Co'[P3#2:6'A'], P4#3:6'B'], P5#4:6'C'"},
      {true, h + "C1 0 6 Co\r\n    P2 1 6 A", r + "C1#0:6'Co'[P2#1:6'A']"},
      {false, h + "P7 0 6 A\r\nC1 1 6 Co\r\n    P2 2 6 A\r\n    End", r + "P7#0:6'A'"},
      {false, h + "P1 0 6 A\r\nEnd\r\nP2 1 6 B\r\n", r + "P1#0:6'A'"},
      {true, h + "C1 0 6 Co\r\n    P2 1 6 A\r\n  Exit\r\nP3 2 6 B\r\n",
       r + "C1#0:6'Co'[P2#1:6'A'], P3#2:6'B'"},
      // A failure inside a subtree loses that top-level item only.
      {false,
       h + "P1 0 6 A\r\nB2 1 6 Bn\r\n    C3 2 6 Co\r\n        P4 x 6 broken\r\n        End\r\n" +
           "    End\r\nP5 4 6 C\r\n",
       r + "P1#0:6'A'"},
      // Zeros in front of a reference are passed over; a reference of 0 still reads as 0.
      {true, h + "P02403 0 6 A\r\nK00 6 7 B\r\n    End\r\nP0 5 6 C\r\n",
       r + "P2403#0:6'A', K0#6:7'B'[], P0#5:6'C'"},
      {true, h + "X7 0 6 A\r\np8 1 6 B\r\nE9 2 6 C\r\n", r + "P7#0:6'A', P8#1:6'B', P9#2:6'C'"},
      // Inside a group the first character of a line is indentation, whatever it is.
      {true, h + "C1 0 6 Co\r\nP2101 1 6 A\r\n", r + "C1#0:6'Co'[P101#1:6'A']"},
      {true, h + "P1 0 6   two  blanks  \r\nP2 1 6 \r\n", r + "P1#0:6'  two  blanks  ', P2#1:6''"},
      // The one character after the morale is taken as the blank in front of the name.
      {true, h + "P1 0 6\r\nP2 1 6 B\r\n", r + "P1#0:6'P2 1 6 B'"},
      {true, h + "P1 0 6 A\r\nP2 1 6", r + "P1#0:6'A', P2#1:6''"},  // cut off: an empty name
      // A group whose own line cannot be read stays, empty; the rest of its line then fails.
      {false, h + "P1 0 6 A\r\nCx\r\nP2 1 6 B\r\n", r + "P1#0:6'A', C0#0:0''[]"},
      {true, h + "P1 0 6 A\r\n\x1aP2 1 6 B\r\n", r + "P1#0:6'A'"},
  };
  for (const auto& c : cases) {
    OrgRoot root;  // reading replaces whatever was there
    root.version = 3;
    root.nextId = 55;
    Add(root, nullptr, 0, 1, 0, 6, "old");
    EXPECT_EQ(ReadOrganization(root, c.file), c.ok) << testing::PrintToString(c.file);
    EXPECT_EQ(Summary(root), c.read) << testing::PrintToString(c.file);
  }
}

// The writer puts each line together in a buffer: a deep item with a name longer than that
// buffer, and the end lines below it, keep every byte and every blank of their indentation.
TEST(OrgFormat, DeepItemsWithLongNamesAreWrittenWhole) {
  OrgRoot root;
  OrgGroup* group = nullptr;
  for (int depth = 0; depth < 20; ++depth)
    group = &AddGroup(root, group, 1, 100001, depth, 6, "C");
  const std::string name(300, 'n');
  Add(root, group, 0, 1101, 20, 6, name);
  const std::string blanks(80, ' ');
  EXPECT_NE(WriteOrganization(root).find("\r\n" + blanks + "P1101 20 6 " + name + "\r\n" + blanks +
                                         "End\r\n" + std::string(76, ' ') + "End\r\n"),
            std::string::npos);
}

TEST(OrgFormat, RefusesNestingDeeperThanAThousandGroupsInsteadOfExhaustingTheStack) {
  std::string file = "1\r\n0\r\n6 41\r\n";
  for (int depth = 0; depth < kMaxOrgDepth; ++depth)
    file += std::string(static_cast<std::size_t>(depth), ' ') + "C1 0 6 x\r\n";
  OrgRoot root;
  EXPECT_TRUE(ReadOrganization(root, file));
  EXPECT_EQ(root.items.Size(), 1u);
  EXPECT_FALSE(ReadOrganization(root, file + std::string(kMaxOrgDepth, ' ') + "C1 0 6 x\r\n"));
  EXPECT_TRUE(root.items.Empty());
}

TEST(OrgFormat, NamesAreWrittenToReadBackAsOneLine) {
  OrgRoot root;
  Add(root, nullptr, 0, 1, 0, 6, "two\r\nlines\rand\nmore");
  Add(root, nullptr, 0, 2, 1, 6, "ends\x1a here");
  Add(root, nullptr, 0, 3, 2, 6, std::string(1500, 'n'));
  Add(root, nullptr, 0, 4, 3, 6, std::string(1022, 'a'));
  Add(root, nullptr, 0, 5, 4, 6, "last");
  OrgRoot back;
  ASSERT_TRUE(ReadOrganization(back, WriteOrganization(root)));
  EXPECT_EQ(Dump(back), "P1#0:6'two  lines and more', P2#1:6'ends  here', P3#2:6'" +
                            std::string(1022, 'n') + "', P4#3:6'" + std::string(1022, 'a') +
                            "', P5#4:6'last'");
}

// Random trees of up to five levels, with any numbers and names of any byte a line can carry.
void AddRandom(std::mt19937& random, OrgRoot& root, OrgGroup* group, int depth) {
  for (auto count = random() % 5; count > 0; --count) {
    const bool isGroup = depth < 4 && random() % 3 == 0;
    std::string name(random() % 2 ? random() % 40 : 900 + random() % 123, ' ');
    for (char& c : name)
      if (const auto byte = static_cast<char>(random() % 256);
          random() % 2 && byte != 0 && byte != '\n' && byte != '\r' && byte != 26)
        c = byte;
    OrgItem& item = Add(root, group, isGroup ? static_cast<int>(1 + random() % 7) : 0,
                        static_cast<std::uint32_t>(random() % 8 ? random() : 0),
                        static_cast<int>(random()), static_cast<int>(random()), name);
    if (isGroup) AddRandom(random, root, item.AsGroup(), depth + 1);
  }
}

TEST(OrgFormat, AnyOrganizationReadsBackAsWritten) {
  std::mt19937 random(1);
  for (int round = 0; round < 300; ++round) {
    OrgRoot root, back;
    root.nextId = static_cast<int>(random());
    root.month = static_cast<int>(random() % 13);
    root.year = static_cast<int>(random());
    AddRandom(random, root, nullptr, 0);
    const std::string file = WriteOrganization(root);
    ASSERT_TRUE(ReadOrganization(back, file)) << round;
    ASSERT_EQ(Summary(back), Summary(root)) << round;
    ASSERT_EQ(WriteOrganization(back), file) << round;
  }
}

namespace fs = std::filesystem;

constexpr std::string_view kOldFile = "1\r\n1\r\n6 41\r\nP1 0 6 Old\r\n";

// How many files the folder holds: a temporary file left behind would add one.
long Files(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// Saving through a link replaces the file it names, keeping that file's permissions. (The tool's
// tests load what was saved.)
TEST(OrgFile, SavesOverTheFileALinkNames) {
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
  Add(root, nullptr, 0, 2101, 0, 6, "New");
  ASSERT_EQ(SaveOrganization(root, folder.Path() / "main.org"), OrgFileStatus::kDone);
  EXPECT_EQ(folder.Read("real.org"), WriteOrganization(root));
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "main.org"));
  EXPECT_EQ(fs::status(folder.Path() / "real.org").permissions(), perms);
  EXPECT_EQ(Files(folder.Path()), 2);
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

// The tool's tests see the rest: a missing folder, a file read in part.
TEST(OrgFile, WhatCannotBeOpenedIsTold) {
  GameFolder folder;
  OrgRoot root;
  Add(root, nullptr, 0, 1);
  fs::create_directory(folder.Path() / "folder.org");
  EXPECT_EQ(SaveOrganization(root, folder.Path() / "folder.org"), OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(Files(folder.Path()), 1);
  EXPECT_TRUE(fs::is_empty(folder.Path() / "folder.org"));
  EXPECT_EQ(LoadOrganization(root, folder.Path() / "none.org"), OrgFileStatus::kUnableToOpen);
  EXPECT_EQ(root.items.Size(), 1u);  // nothing was read, nothing was cleared
}

}  // namespace
}  // namespace valdren::test
