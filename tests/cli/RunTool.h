#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Utf8Path.h"
#include "oob/PlatoonFile.h"
#include "support/GameFolder.h"

namespace valdren::test {

struct ToolResult {
  int status = -1;  // the exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
  bool operator==(const ToolResult&) const = default;
};
inline void PrintTo(const ToolResult& result, std::ostream* out) {
  *out << "status " << result.status << ", out " << testing::PrintToString(result.out) << ", err "
       << testing::PrintToString(result.err);
}

#ifdef _WIN32
// Runs the command line with the streams on the files, and gives its exit status. No shell
// stands between: each word is quoted as the C runtime splits a command line (backslashes are
// plain except before a quote, where they are doubled, and a quote is escaped).
inline int RunWithStreams(const std::vector<std::string>& words, const std::filesystem::path& at) {
  std::wstring line;
  for (const std::string& word : words) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : Utf8Path(word).wstring()) {
      if (c == L'\\') {
        ++backslashes;
      } else {
        if (c == L'"') quoted.append(backslashes + 1, L'\\');
        backslashes = 0;
      }
      quoted += c;
    }
    quoted.append(backslashes, L'\\');
    line += (line.empty() ? L"" : L" ") + quoted + L"\"";
  }
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const auto open = [&](const char* name, DWORD access, DWORD creation) {
    return ::CreateFileW((at / name).c_str(), access, FILE_SHARE_READ, &inherited, creation,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = open("in", GENERIC_READ, OPEN_EXISTING);
  start.hStdOutput = open("out", GENERIC_WRITE, CREATE_ALWAYS);
  start.hStdError = open("err", GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  const bool started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &start, &process);
  for (const HANDLE stream : {start.hStdInput, start.hStdOutput, start.hStdError})
    ::CloseHandle(stream);
  if (!started) throw std::runtime_error("cannot start " + words.front());
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  ::GetExitCodeProcess(process.hProcess, &status);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  // A program that ends by an exception (an access violation, an abort) exits with its code.
  return status >= 0xC0000000 ? -1 : static_cast<int>(status);
}
#else
// The same through the shell, which gives way to the tool, so a signal that ends it is seen.
inline int RunWithStreams(const std::vector<std::string>& words, const std::filesystem::path& at) {
  const auto quoted = [](std::string_view word) {  // for the shell, a quote in it escaped
    std::string text = "'";
    for (const char c : word)
      text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
  };
  std::string command = "exec";
  for (const std::string& word : words)
    command += " " + quoted(word);
  const std::string folder = quoted(at.string());
  command += " <" + folder + "/in >" + folder + "/out 2>" + folder + "/err";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// Runs the built valdren (the path in VALDREN_BIN) with the arguments, the input on its standard
// input, and collects what it writes. The streams go through files in a folder of their own, so a
// large output cannot block.
inline ToolResult RunTool(const std::vector<std::string>& arguments, std::string_view input = {}) {
  const char* const binary = std::getenv("VALDREN_BIN");
  if (!binary) throw std::runtime_error("VALDREN_BIN is not set");
  std::vector<std::string> words{binary};
  words.insert(words.end(), arguments.begin(), arguments.end());
  const GameFolder streams;
  streams.Write("in", input);
  const int status = RunWithStreams(words, streams.Path());
  return {status, streams.Read("out"), streams.Read("err")};
}

// The same on a game folder (-C).
inline ToolResult RunIn(const GameFolder& folder, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"-C", folder.Path().string()});
  return RunTool(arguments);
}

// A platoon line: the reference and the catalog value, values 1 to 8, mark, 9 to 15, word, 16 to
// 21, the dates (start year and month, end year and month), 22 to 24 and the names.
inline std::string PlatoonLine(std::string_view head, std::string_view dates,
                               std::string_view names) {
  return std::string(head) + " 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 17 18 19 20 21 " +
         std::string(dates) + " 22 23 24 " + std::string(names) + "\n";
}

// The game folder most tool tests share. Germany: a rifle company, a gun company whose only group
// exists from 1943 on, and a battalion of either company whose last group carries the promotion
// mark (one warning). Great Britain: a company whose only group exists from 1943 on.
class SampleFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    folder.Write("platoon.obx", ScrambleFile(PlatoonLine("P1101 10", "39 1 45 12", "Rifles") +
                                             PlatoonLine("P9101 8", "39 1 45 12", "Riflemen")));
    folder.Write("company.oob",
                 "39 1 45 12 C100001 7 Rifle Company\n39 1 45 12 P1101 Zug\n\n"
                 "39 1 45 12 C100002 5 Gun Company\n43 1 45 12 P1101 Guns\n\n"
                 "39 1 45 12 C900001 6 Rifle Company\n43 1 45 12 P9101 Later\n");
    folder.Write("battalion.oob",
                 "39 1 45 12 B100010 6 $ Battalion\n"
                 "39 1 45 12 + (50) C100001 (50) C100002 # Company\n");
  }
  // What a run in the folder writes on standard output; it must succeed without a word on
  // standard error.
  std::string Output(const std::vector<std::string>& arguments) const {
    const ToolResult result = RunIn(folder, arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return result.out;
  }
  GameFolder folder;
};

}  // namespace valdren::test
