#include "SyntheticGameFolder.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#include "oob/PlatoonFile.h"

namespace valdren::bench {

namespace {

constexpr int kMaxDateRanges = 4;
constexpr int kMaxFiles = 20;  // the loader looks for numbers 00 to 19
// How many templates of each date range a choice that is not scattered picks from.
constexpr int kNearbyRounds = 16;

// Names that carry the markers the builder fills in, so the readers meet them as they are.
constexpr std::string_view kOrgNames[] = {"#th Infantry ", "$ ",      "$(1-3). ", "@ ",
                                          "& Guards ",     "Reserve "};
constexpr std::string_view kGroupNames[] = {"Rifle $",      "$(1-4). Line", "Support",
                                            "@ Detachment", "& Reserve",    "Heavy Weapons"};
constexpr std::string_view kPlatoonNames[] = {
    "Rifle Platoon, Rifle Plt, RP", "Mortar Section, Mortar Sec", "Company Leader",
    "Pioneer Platoon , Pioneers", "Machine Gun Platoon,MG Plt,MGP"};

struct Date {
  int year;
  int month;
};

// Range k lies inside range k - 1, so a template of range k exists over every group range from
// k on: that is what keeps the out-of-range warning quiet.
Date StartOf(int range) {
  return {40 + range, 1 + range};
}
Date EndOf(int range) {
  return {46 - range, 12 - range};
}

// Organization files write months with two digits (the reader drops one leading zero), platoon
// lines plain ones.
void AppendRange(std::string& out, int range, bool twoDigitMonths) {
  const auto append = [&out, twoDigitMonths](int year, int month) {
    out += std::to_string(year);
    out += twoDigitMonths && month < 10 ? " 0" : " ";
    out += std::to_string(month);
  };
  const Date start = StartOf(range);
  const Date end = EndOf(range);
  append(start.year, start.month);
  out += ' ';
  append(end.year, end.month);
}

// Unique within the echelon, with the nation where the game puts it: digits 4-5 of a platoon's
// number, digits 6-7 of an organization's. Never 0, which would drop an organization record.
// The echelon's templates are written nation by nation.
std::uint32_t ReferenceOf(int echelon, int index, int count, int nations) {
  const int perNation = (count + nations - 1) / nations;
  const auto nation = static_cast<std::uint32_t>(index / perNation);
  const auto serial = static_cast<std::uint32_t>(index % perNation) + 1;
  if (echelon == kPlatoon) return serial / 1000 * 100000 + nation * 1000 + serial % 1000;
  return serial / 100000 * 10000000 + nation * 100000 + serial % 100000;
}

class Writer {
 public:
  Writer(const std::filesystem::path& folder, const SyntheticShape& shape)
      : folder_(folder), shape_(shape), random_(shape.seed) {
    if (shape_.templates[kPlatoon] < 1) throw std::invalid_argument("a database needs a platoon");
    shape_.nations = std::max(1, shape_.nations);
    shape_.dateRanges = std::clamp(shape_.dateRanges, 1, kMaxDateRanges);
    shape_.filesPerEchelon = std::clamp(shape_.filesPerEchelon, 1, kMaxFiles);
    shape_.groupsPerTemplate = std::max(0, shape_.groupsPerTemplate);
    shape_.choicesPerGroup = std::clamp(shape_.choicesPerGroup, 1, 40);  // lines stay short
  }

  std::uintmax_t WriteAll() {
    for (int echelon = 0; echelon < kEchelonCount; ++echelon)
      WriteEchelon(echelon);
    return bytes_;
  }

 private:
  int Random(int below) {
    return static_cast<int>(random_() % static_cast<std::uint32_t>(std::max(1, below)));
  }

  void WriteEchelon(int echelon) {
    const int count = shape_.templates[echelon];
    if (count <= 0) return;
    const int files = shape_.filesPerEchelon;
    const std::string_view extension = echelon == kPlatoon ? ".obx" : ".oob";
    for (int file = 0; file < files; ++file) {
      const int first = static_cast<int>(std::int64_t{count} * file / files);
      const int end = static_cast<int>(std::int64_t{count} * (file + 1) / files);
      std::string text;
      for (int index = first; index < end; ++index) {
        if (echelon == kPlatoon)
          AppendPlatoon(text, index);
        else
          AppendRecord(text, echelon, index);
      }
      std::string name(EchelonStem(echelon));
      if (files > 1) name += (file < 10 ? "0" : "") + std::to_string(file);
      name += extension;
      Store(name, text);
    }
  }

  void Store(const std::string& name, const std::string& text) {
    std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) throw std::runtime_error("cannot write " + (folder_ / name).string());
    bytes_ += text.size();
  }

  void AppendPlatoon(std::string& out, int index) {
    std::string line = "P";
    if (index % 3 == 0) line += '0';  // zeros after the prefix are dropped
    line +=
        std::to_string(ReferenceOf(kPlatoon, index, shape_.templates[kPlatoon], shape_.nations));
    line += ' ' + std::to_string(1 + index % 50);  // catalog value
    line += " 2 1 100 100 100 0 0 0 1 0 0 3 0 0 0 0 Inf 0 0 0 0 0 0 ";
    AppendRange(line, index % shape_.dateRanges, false);
    line += " 0 0 0 ";
    line += kPlatoonNames[static_cast<std::size_t>(index) % std::size(kPlatoonNames)];
    Scramble(line);
    out += line;
    out += '\n';
  }

  void AppendRecord(std::string& out, int echelon, int index) {
    if (shape_.commentEvery > 0 && index % shape_.commentEvery == 0)
      out += "[" + std::string(EchelonStem(echelon)) + " " + std::to_string(index) + "]\n";
    AppendRange(out, index % shape_.dateRanges, true);
    out += ' ';
    out += EchelonLetter(echelon);
    out += std::to_string(ReferenceOf(echelon, index, shape_.templates[echelon], shape_.nations));
    out += ' ' + std::to_string(4 + index % 5) + ' ';  // morale, then the separator
    out += kOrgNames[static_cast<std::size_t>(index) % std::size(kOrgNames)];
    out += EchelonStem(echelon);
    out += '\n';
    const double place = static_cast<double>(index) / shape_.templates[echelon];
    for (int group = 0; group < shape_.groupsPerTemplate; ++group)
      AppendGroup(out, echelon, group, place);
    out += '\n';
  }

  // The place, from 0 up to 1, is the record's own in its echelon.
  void AppendGroup(std::string& out, int echelon, int group, double place) {
    const int range = Random(shape_.dateRanges);
    AppendRange(out, range, true);
    // A promotion mark only where another group follows, or the record would log a warning.
    if (group == 1 && shape_.groupsPerTemplate > 2) out += " +";
    const bool headquarters = group == 0;
    const int choices = headquarters ? 1 : shape_.choicesPerGroup;
    const int childEchelon = headquarters ? kPlatoon : LoadedEchelonBelow(echelon);
    const int share = 100 / choices;
    for (int choice = 0; choice < choices; ++choice) {
      out += ' ';
      if (choices > 1) {
        const int probability = choice == 0 ? 100 - share * (choices - 1) : share;
        out += '(' + std::to_string(probability) + ") ";
      }
      out += EchelonLetter(childEchelon);
      if (++choicesWritten_ % 3 == 0) out += '0';
      out += std::to_string(ReferenceOf(childEchelon, PickExisting(childEchelon, range, place),
                                        shape_.templates[childEchelon], shape_.nations));
    }
    out += ' ';
    out += headquarters ? std::string_view("Headquarters")
                        : kGroupNames[static_cast<std::size_t>(group) % std::size(kGroupNames)];
    if (shape_.commentEvery > 0 && ++groupsWritten_ % shape_.commentEvery == 0) out += " [note]";
    out += '\n';
  }

  // The nearest lower echelon that has templates; platoons always have some.
  int LoadedEchelonBelow(int echelon) const {
    int below = echelon - 1;
    while (below > kPlatoon && shape_.templates[below] <= 0)
      --below;
    return below;
  }

  // The index of a template of the echelon whose date range holds the given group range, near
  // the given place unless choices are scattered. Ranges take turns along an echelon, so the
  // templates of one range are every so many apart.
  int PickExisting(int echelon, int groupRange, double place) {
    const int count = shape_.templates[echelon];
    const int ranges = shape_.dateRanges;
    const int offset = Random(std::min(groupRange, count - 1) + 1);
    const int rounds = (count - 1 - offset) / ranges + 1;
    if (shape_.scatteredChoices) return Random(rounds) * ranges + offset;
    const int first = static_cast<int>(place * rounds) - kNearbyRounds / 2;
    return std::clamp(first + Random(kNearbyRounds), 0, rounds - 1) * ranges + offset;
  }

  std::filesystem::path folder_;
  SyntheticShape shape_;
  std::mt19937 random_;
  std::uintmax_t bytes_ = 0;
  std::uint64_t choicesWritten_ = 0;
  std::uint64_t groupsWritten_ = 0;
};

}  // namespace

SyntheticShape ShapeOfSize(int totalTemplates) {
  // Shares per thousand templates, platoon to army.
  constexpr std::array<int, kEchelonCount> kShares = {400, 250, 150, 80, 40, 40, 25, 15};
  SyntheticShape shape;
  int assigned = 0;
  for (int echelon = kEchelonCount - 1; echelon > kPlatoon; --echelon) {
    shape.templates[echelon] =
        static_cast<int>(std::int64_t{totalTemplates} * kShares[echelon] / 1000);
    assigned += shape.templates[echelon];
  }
  shape.templates[kPlatoon] = std::max(1, totalTemplates - assigned);
  return shape;
}

std::uintmax_t WriteSyntheticGameFolder(const std::filesystem::path& folder,
                                        const SyntheticShape& shape) {
  return Writer(folder, shape).WriteAll();
}

}  // namespace valdren::bench
