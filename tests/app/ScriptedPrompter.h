#pragma once

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <vector>

#include "app/Prompter.h"

namespace valdren::test {

// Answers the window's questions from a script and keeps what was asked, in order.
class ScriptedPrompter : public Prompter {
 public:
  struct Asked {
    QString text;
    QString caption;
    MessageIcon icon;
    MessageButtons buttons;
    bool windowShown;  // whether any window was on the screen when it was asked
  };

  MessageAnswer Message(const QString& text, const QString& caption, MessageIcon icon,
                        MessageButtons buttons) override {
    asked.push_back({text, caption, icon, buttons, AnyWindowShown()});
    if (answers.empty()) return buttons == MessageButtons::kOk ? MessageAnswer::kOk
                                                               : MessageAnswer::kCancel;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void About(const QString& caption, const QString& text) override {
    asked.push_back({text, caption, MessageIcon::kInformation, MessageButtons::kOk, true});
  }

  static bool AnyWindowShown() {
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget* window) { return window->isVisible(); });
  }

  std::deque<MessageAnswer> answers;
  std::vector<Asked> asked;
};

}  // namespace valdren::test
