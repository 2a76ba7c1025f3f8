// valdren obx decode|encode [FILE]: a platoon file's lines unscrambled or scrambled, so people can
// read and write them.

#include <memory>
#include <string>

#include "cli/Tool.h"
#include "oob/PlatoonFile.h"

namespace valdren::cli {

void AddObxCommand(CommandList& commands) {
  struct Options {
    std::string file;
    CLI::App* decode = nullptr;
  };
  auto options = std::make_shared<Options>();
  CLI::App& obx = commands.Add(
      "obx", "Unscramble or scramble a platoon file, FILE or standard input, to standard output",
      [options](Tool& tool) {
        std::string reason;
        const auto bytes = ReadInput(options->file, reason);
        if (!bytes) return tool.Fail(reason);
        const std::string result =
            options->decode->parsed() ? UnscrambleFile(*bytes) : ScrambleFile(*bytes);
        tool.out.write(result.data(), static_cast<std::streamsize>(result.size()));
        return kSuccess;
      });
  obx.require_subcommand(1);
  options->decode = obx.add_subcommand("decode", "Unscramble the lines as the editor reads them");
  CLI::App* const encode = obx.add_subcommand("encode", "Scramble plain lines for the game");
  for (CLI::App* direction : {options->decode, encode})
    direction->add_option("FILE", options->file, "The platoon file (standard input without it)");
}

}  // namespace valdren::cli
