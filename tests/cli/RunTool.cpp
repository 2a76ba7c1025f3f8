#include "cli/RunTool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <stdexcept>

#include <string>

extern char** environ;

namespace valdren::test {

ToolResult RunTool(const std::vector<std::string>& arguments, std::string_view input) {
  const char* const binary = std::getenv("VALDREN_BIN");
  if (!binary) throw std::runtime_error("VALDREN_BIN is not set");

  // The streams go through files in a folder of their own, so a large output cannot block.
  const GameFolder streams;
  streams.Write("in", input);
  const std::string in = (streams.Path() / "in").string();
  const std::string out = (streams.Path() / "out").string();
  const std::string err = (streams.Path() / "err").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<std::string> words{binary};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t child = 0;
  const int spawned = posix_spawn(&child, binary, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + std::string(binary));
  int status = 0;
  waitpid(child, &status, 0);

  ToolResult result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = streams.Read("out");
  result.err = streams.Read("err");
  return result;
}

}  // namespace valdren::test
