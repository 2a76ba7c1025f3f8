// Outputs whose bytes are held to those of the tool before it was made faster: the JSON outputs,
// once nlohmann documents built whole and dumped, now written as the data is walked, and the
// organization files the builder makes. Scripts and the game read them, so not a byte may change.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/RunTool.h"

namespace valdren::test {
namespace {

std::uint64_t Fnv1a(const std::string& bytes) {
  std::uint64_t hash = 0xcbf29ce484222325;
  for (const char byte : bytes)
    hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3;
  return hash;
}

// Each output, on the demo folder and on an army built from it with a fixed seed, is checked two
// ways. Read by nlohmann and dumped again it gives its own bytes: the escaping, the number forms
// and the compact layout are nlohmann's. And its length and FNV-1a hash are those the
// nlohmann-based tool gave for the same run: recorded from that tool, an oracle of bytes rather
// than of reasoning.
TEST(JsonOutput, KeepsTheBytesOfTheDumpedDocuments) {
  const GameFolder folder;
  std::filesystem::copy(VALDREN_DEMO, folder.Path(), std::filesystem::copy_options::recursive);
  ASSERT_EQ(
      RunIn(folder, {"build", "A70001", "--date", "6/44", "--seed", "7", "--output", "army.org"})
          .status,
      0);
  const struct {
    std::vector<std::string> arguments;
    std::size_t size;
    std::uint64_t hash;
  } cases[] = {
      {{"dump", "--json"}, 324816, 0x14942a654b308733},
      {{"catalog", "--json"}, 3962586, 0x832c16762156626a},
      {{"catalog", "--json", "--date", "1/45", "--depth", "3", "Germany"},
       9440,
       0x119dc9970cb5230a},
      {{"show", "--json", "main.org"}, 52285, 0x2f6293d8af9c0958},
      {{"show", "--json", "--strength", "main.org"}, 55844, 0x1064d4e22be698ab},
      {{"roster", "--json", "main.org"}, 6971, 0x353e4203658a84a3},
      {{"show", "--json", "army.org"}, 536013, 0xee77749ba98c24bf},
      {{"show", "--json", "--strength", "army.org"}, 568675, 0x51eb51eebd876439},
      {{"roster", "--json", "--date", "1/42", "army.org"}, 4967, 0xb240bbd36233d688},
  };
  for (const auto& expected : cases) {
    const ToolResult result = RunIn(folder, expected.arguments);
    const std::string& out = result.out;
    SCOPED_TRACE(testing::PrintToString(expected.arguments));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(out).dump() + "\n", out);
    EXPECT_EQ(out.size(), expected.size);
    EXPECT_EQ(Fnv1a(out), expected.hash);
  }
}

// Seeded builds on the demo folder: names from the unit and leader lists, numbered and Roman
// designations, a build into an existing file. The length and FNV-1a hash of each file are those
// the earlier builder and writer gave: an oracle of bytes recorded from them, not of reasoning.
TEST(BuiltOrganization, KeepsItsBytes) {
  const GameFolder folder;
  std::filesystem::copy(VALDREN_DEMO, folder.Path(), std::filesystem::copy_options::recursive);
  const struct {
    std::vector<std::string> arguments;
    std::size_t size;
    std::uint64_t hash;
  } cases[] = {
      {{"build", "A70001", "--date", "6/44", "--seed", "7"}, 377408, 0x37eefc3a8bc506c6},
      {{"build", "A170001", "--date", "5/40", "--seed", "3", "--into", "main.org"},
       127617,
       0x560921ffa61bb50e},
      {{"build", "A1070001", "--date", "6/44", "--seed", "4000000000"}, 109175, 0x7d252e05090481db},
  };
  for (const auto& expected : cases) {
    std::vector<std::string> arguments = expected.arguments;
    arguments.insert(arguments.end(), {"--output", "built.org"});
    SCOPED_TRACE(testing::PrintToString(arguments));
    EXPECT_EQ(RunIn(folder, arguments).status, 0);
    const std::string built = folder.Read("built.org");
    EXPECT_EQ(built.size(), expected.size);
    EXPECT_EQ(Fnv1a(built), expected.hash);
  }
}

// What JSON cannot hold as it stands: the quote and the backslash are escaped, the controls that
// have a short escape take it, the others \u00XX; DEL stays as it is. show writes each byte as
// the character of its code, roster reads the name as Windows-1252 (0x80 is the euro sign).
TEST(JsonOutput, EscapesAsNlohmannDoes) {
  const GameFolder folder;
  std::filesystem::copy(VALDREN_DEMO, folder.Path(), std::filesystem::copy_options::recursive);
  folder.Write("odd.org", "1\r\n1\r\n6 41\r\nP1101 0 6 \"\\\b\f\t\x01\x1f\x7f\x80/\r\n");
  const std::string name = R"("\"\\\b\f\t\u0001\u001f)"
                           "\x7f";
  EXPECT_EQ(RunIn(folder, {"show", "--json", "odd.org"}).out,
            R"({"version":1,"nextId":1,"month":6,"year":41,"items":[{"echelon":0,)"
            R"("reference":1101,"id":0,"morale":6,"name":)" +
                name + "\xc2\x80/\"}]}\n");
  const std::string roster = RunIn(folder, {"roster", "--json", "odd.org"}).out;
  EXPECT_NE(roster.find(R"("id":0,"name":)" + name + "\xe2\x82\xac/\","), std::string::npos)
      << roster;
}

}  // namespace
}  // namespace valdren::test
