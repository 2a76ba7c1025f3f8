#pragma once

#include "app/Prompter.h"
#include "builder/UserChoices.h"

namespace valdren {

// The builder's questions for a build with user choices, answered in the choice and description
// dialogs.
class PromptedChoices : public UserChoices {
 public:
  explicit PromptedChoices(Prompter& prompter) : prompter_(prompter) {}

  int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) override {
    return prompter_.AskChoice(owner, group);
  }
  String AskDesignation(std::string_view subject) override {
    return String(prompter_.AskDescription(subject));
  }

 private:
  Prompter& prompter_;
};

}  // namespace valdren
