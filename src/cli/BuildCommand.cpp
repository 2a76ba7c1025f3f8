// valdren build REF: a template instantiated as the editor's "Add Unit or Organization" commands
// do, with automatic choices or with the answers of a file, appended to an organization and
// saved.

#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/TextInput.h"
#include "base/Utf8Path.h"
#include "builder/Builder.h"
#include "builder/UserBuilder.h"
#include "builder/UserChoices.h"
#include "catalog/CatalogTexts.h"
#include "cli/Tool.h"
#include "cli/ToolData.h"
#include "oob/Echelon.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/SubunitGroup.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren::cli {

namespace {

struct Reference {
  int echelon = 0;
  std::uint32_t number = 0;
};

// A type prefix letter directly followed by a decimal reference number: P1101, D150003.
std::optional<Reference> ParseReference(std::string_view text) {
  constexpr std::string_view kLetters = "PCBRGDKA";
  if (text.size() < 2 || kLetters.find(text[0]) == std::string_view::npos) return std::nullopt;
  Reference reference{EchelonFromLetter(text[0])};
  const char* const end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data() + 1, end, reference.number);
  if (error != std::errc() || at != end) return std::nullopt;
  return reference;
}

// Answers the builder's questions from the lines of a file, writing each question to the error
// stream as its dialog would show it. A file that has run out declines every choice and types
// nothing.
class ChoicesFile : public UserChoices {
 public:
  ChoicesFile(std::string text, std::ostream& questions)
      : text_(std::move(text)), questions_(questions) {}

  int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) override {
    questions_ << "In: " << owner.name << '\n' << "Select: " << group.name << '\n';
    for (const SubunitChoice& choice : group.choices)
      questions_ << "  " << ChoiceText(choice.weight, *choice.item) << '\n';
    return Index(NextLine().value_or("-1"));
  }

  String AskDesignation(std::string_view subject) override {
    questions_ << "Enter description for: " << subject << '\n';
    return NextLine().value_or("");
  }

 private:
  std::optional<std::string_view> NextLine() {
    if (at_ >= text_.size()) return std::nullopt;
    const std::size_t end = std::min(text_.find('\n', at_), text_.size());
    const std::string_view line = std::string_view(text_).substr(at_, end - at_);
    at_ = end + 1;
    return line;
  }

  // The entry index from 0; anything but a number, blanks around it aside, declines.
  static int Index(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return -1;
    line = line.substr(first, line.find_last_not_of(" \t") + 1 - first);
    int index = -1;
    const auto [at, error] = std::from_chars(line.data(), line.data() + line.size(), index);
    return error == std::errc() && at == line.data() + line.size() ? index : -1;
  }

  std::string text_;
  std::size_t at_ = 0;
  std::ostream& questions_;
};

struct Options {
  std::string reference;
  std::string date;
  std::optional<std::uint32_t> seed;
  std::string choices;
  std::string into;
  std::string output;
};

int Build(Tool& tool, const Options& options) {
  const Reference reference = *ParseReference(options.reference);
  const std::optional<CatalogDate> date =
      options.date.empty() ? std::nullopt : ParseDate(options.date);

  // The editor loads its data at start-up, before anything is opened.
  const OobDatabase& database = tool.Database();
  const NameLists& names = tool.Names();
  // A load error is reported after the command's own failure, as after its output.
  const auto failed = [&tool](const std::string& message) {
    tool.Fail(message);
    tool.Finish();
    return kFailure;
  };

  const UnitTemplate* unit = database.Find(reference.echelon, reference.number);
  if (!unit) return failed(options.reference + " names no template in the database");

  OrgRoot root;
  if (!options.into.empty()) {
    // Appending to what was read only in part would save the loss over the file.
    const OrgFileStatus status = LoadOrganization(root, Utf8Path(options.into));
    if (status != OrgFileStatus::kDone)
      return failed(options.into + ": " + std::string(OrgFileMessage(status)));
  }
  if (date) {
    root.month = date->month;
    root.year = date->year;
  }

  std::string answers;
  if (!options.choices.empty()) {
    std::string reason;
    const auto bytes = ReadInput(options.choices, reason);
    if (!bytes) return failed(reason);
    answers = TextMode(*bytes);
  }

  Builder builder(tool.Building(options.seed), names, root.month, root.year);
  std::unique_ptr<OrgItem> item;
  if (options.choices.empty()) {
    item = builder.Instantiate(*unit, "", nullptr, std::nullopt);
  } else {
    ChoicesFile file(std::move(answers), tool.err);
    UserBuilder user(builder, file);
    item = user.InstantiateByUser(*unit, "", nullptr, std::nullopt);
  }
  AddToOrganization(root, std::move(item), unit->Morale());

  const OrgFileStatus saved = SaveOrganization(root, Utf8Path(options.output));
  if (saved != OrgFileStatus::kDone)
    return failed(options.output + ": " + std::string(OrgFileMessage(saved)));
  return tool.Finish();
}

}  // namespace

void AddBuildCommand(CommandList& commands) {
  auto options = std::make_shared<Options>();
  CLI::App& build = commands.Add(
      "build", "Instantiate a template as the editor adds it and save the organization",
      [options](Tool& tool) { return Build(tool, *options); });
  build
      .add_option("REF", options->reference,
                  "The template: a type prefix letter and its reference number (D150003)")
      ->required()
      ->check(CLI::Validator(
          [](const std::string& text) {
            return ParseReference(text)
                       ? std::string()
                       : "a type prefix letter of PCBRGDKA followed by a reference number, not " +
                             text;
          },
          "REF"));
  build
      .add_option("--date", options->date,
                  "The date of the organization and of the build, M/YY with a year 39..45 "
                  "(default: the date of --into, else 6/41)")
      ->option_text("DATE")
      ->check(DateValidator());
  build.add_option("--seed", options->seed, "Seed every random source with N (0..4294967295)")
      ->option_text("N");
  build
      .add_option("--choices", options->choices,
                  "Make the choices as the user would, one answer a line of FILE")
      ->option_text("FILE");
  build.add_option("--into", options->into, "Append to this organization instead of a new one")
      ->option_text("IN.org");
  build.add_option("--output", options->output, "Where to save the organization")
      ->option_text("OUT.org")
      ->required();
}

}  // namespace valdren::cli
