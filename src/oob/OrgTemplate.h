#pragma once

#include <memory_resource>
#include <vector>

#include "base/ErrorText.h"
#include "oob/SubunitGroup.h"
#include "oob/UnitTemplate.h"

namespace valdren {

class ErrorLog;
class OobDatabase;
class Scanner;

// A template of echelon company to army: its suborganization groups in file order. The groups and
// their choice lists take their memory from where the template was told (the database's arena
// when the loader makes it, the heap otherwise).
class OrgTemplate : public UnitTemplate {
 public:
  explicit OrgTemplate(int echelon,
                       std::pmr::memory_resource* memory = std::pmr::new_delete_resource())
      : UnitTemplate(echelon), groups(memory) {}

  int Morale() const override { return morale; }

  // Reads one record of a .oob file: the header, then group lines up to a blank line or the end
  // of the text. References resolve against what the database holds so far; warnings go to the
  // log. Returns the error text of a broken group line.
  ErrorText ReadRecord(int echelon, Scanner& file, int& lineCounter, const OobDatabase& database,
                       ErrorLog& log);

  int morale = 6;
  std::pmr::vector<SubunitGroup> groups;
};

}  // namespace valdren
