#pragma once

#include <QString>
#include <filesystem>
#include <optional>

#include "app/Prompter.h"

namespace valdren::bench {

// The benchmarks' window asks nothing it is not told to expect: an unexpected message would
// stop the measurement. The file dialogs answer with the file given.
class NoQuestions : public Prompter {
 public:
  MessageAnswer Message(const QString& text, const QString&, MessageIcon, MessageButtons) override {
    if (!answer) qFatal("unexpected question: %s", qPrintable(text));
    return *answer;
  }
  bool MessageWithCheckBox(const QString& text, const QString&, const QString&) override {
    qFatal("unexpected question: %s", qPrintable(text));
  }
  void About(const QString&, const QString&) override {}
  std::optional<std::filesystem::path> OpenFile(const FileDialogSettings&) override { return file; }
  std::optional<std::filesystem::path> SaveFile(const FileDialogSettings&) override { return file; }
  std::optional<std::filesystem::path> ChooseFolder(const QString&) override { return file; }
  std::optional<int> AskMorale(int value) override { return value; }
  std::optional<int> AskCommandRating(int value) override { return value; }
  int AskChoice(const OrgTemplate&, const SubunitGroup&) override { return 0; }
  std::string AskDescription(std::string_view) override { return "1"; }
  bool AskRecovery(const QString& text, const QString&) override {
    qFatal("unexpected question: %s", qPrintable(text));
  }

  std::optional<std::filesystem::path> file;
  std::optional<MessageAnswer> answer;
};

}  // namespace valdren::bench
