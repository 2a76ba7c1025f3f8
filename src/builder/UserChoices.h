#pragma once

#include <cstddef>
#include <string_view>

#include "base/String.h"

namespace valdren {

class OrgTemplate;
struct SubunitGroup;

// The questions the builder asks when the user makes the choices. The editor answers them with
// its choice and description dialogs, the tool from a file of answers, tests from a script.
class UserChoices {
 public:
  virtual ~UserChoices() = default;

  // Which alternative of the owner's group to create: its index in the group's choices counted
  // from 0, or -1 for none.
  virtual int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) = 0;
  // The designation the user types for a name; the subject is the text that will follow it.
  // The builder keeps at most kDesignationLimit characters of the answer.
  virtual String AskDesignation(std::string_view subject) = 0;
};

// As many characters as the description dialog's field holds.
inline constexpr std::size_t kDesignationLimit = 79;

}  // namespace valdren
