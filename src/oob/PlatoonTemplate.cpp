#include "oob/PlatoonTemplate.h"

#include <span>
#include <string_view>

#include "base/Scanner.h"
#include "oob/PlatoonFile.h"

namespace valdren {

namespace {

void ReadValues(Scanner& in, std::array<int, PlatoonTemplate::kValueCount>& values, int first,
                int count) {
  for (int i = first; i < first + count; ++i)
    in.ReadInt(values[i]);
}

}  // namespace

Scanner& PlatoonTemplate::ReadPlatoon(Scanner& file) {
  // The line is unscrambled in a copy on the stack, long enough for any line the reader takes.
  const std::string_view stored = file.ReadLine(String::kReadLimit);
  if (file.Failed()) return file;
  char line[String::kReadLimit];
  const std::span<char> text(line, stored.copy(line, sizeof line));
  Unscramble(text);

  // Every read below leaves its item alone when it fails, and the failure is sticky: a short
  // or broken line keeps the defaults from the item that failed on.
  Scanner in(std::string_view(text.data(), text.size()));
  char c = 0;
  in.NextNonBlank(c);  // the type prefix, whatever it is
  in.DropZeros();
  in.ReadUnsigned(reference);
  in.ReadInt(catalogValue);
  ReadValues(in, values, 0, 8);
  if (in.NextNonBlank(c)) mark = c;
  ReadValues(in, values, 8, 7);
  word.ReadWord(in);
  ReadValues(in, values, 15, 6);
  // Unlike in the organization files, the months here are plain integers: no zero is dropped.
  in.ReadInt(startYear);
  in.ReadInt(startMonth);
  in.ReadInt(endYear);
  in.ReadInt(endMonth);
  ReadValues(in, values, 21, 3);
  in.Get(c);  // the separator before the name, taken as it comes
  name = in.TakeRest();

  SplitAtComma(name, secondName);
  SplitAtComma(secondName, thirdName);
  return file;
}

bool ShowsCatalogValue(const UnitTemplate& unit) {
  const int category = CategoryOf(unit);
  return unit.echelon == 0 && category != kAttachedCategory && category != kLeaderCategory &&
         category != kChoiceOnlyCategory;
}

}  // namespace valdren
