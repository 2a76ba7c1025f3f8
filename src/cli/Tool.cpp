#include "cli/Tool.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "base/Utf8Path.h"
#include "oob/ErrorLog.h"

namespace valdren::cli {

Tool::Tool(std::ostream& out, std::ostream& err) : out(out), err(err) {}

Tool::~Tool() = default;

const OobDatabase& Tool::Database() {
  if (!database_) {
    database_ = std::make_unique<OobDatabase>();
    ErrorLogFile log(".");
    if (!log.IsOpen()) err << "valdren: cannot write error.log; the warnings are not kept\n";
    loadError_ = database_->LoadDatabase(".", log.Log());
    warnings_ = log.Log().Entries();
  }
  return *database_;
}

const NameLists& Tool::Names() {
  if (!names_) {
    Database();
    names_ = std::make_unique<NameLists>();
    names_->LoadAll(".");
  }
  return *names_;
}

BuilderState& Tool::Building(std::optional<std::uint32_t> seed) {
  if (!building_)
    building_ = seed ? std::make_unique<BuilderState>(*seed) : std::make_unique<BuilderState>();
  return *building_;
}

int Tool::Finish() {
  if (!loadError_) return kSuccess;
  err << *loadError_ << '\n';
  return kFailure;
}

int Tool::Fail(std::string_view message) {
  err << "valdren: " << message << '\n';
  return kFailure;
}

std::optional<std::string> ReadInput(const std::string& name, std::string& reason) {
  if (name.empty() || name == "-") {
    std::string bytes((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    if (!std::cin.bad()) return bytes;
    reason = "cannot read standard input";
    return std::nullopt;
  }
  const std::filesystem::path path = Utf8Path(name);
  std::error_code failure;
  const auto status = std::filesystem::status(path, failure);
  if (!std::filesystem::exists(status)) {
    reason = "cannot read " + name + ": no such file";
    return std::nullopt;
  }
  if (std::filesystem::is_directory(status)) {
    reason = "cannot read " + name + ": it is a folder";
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.is_open() || file.bad()) {
    reason = "cannot read " + name;
    return std::nullopt;
  }
  return bytes;
}

CLI::App& CommandList::Add(const std::string& name, const std::string& description, Run run) {
  CLI::App* const command = app_.add_subcommand(name, description);
  commands_.emplace_back(command, std::move(run));
  return *command;
}

int CommandList::RunChosen(Tool& tool) const {
  for (const auto& [command, run] : commands_)
    if (command->parsed()) return run(tool);
  return kUsageError;
}

}  // namespace valdren::cli
