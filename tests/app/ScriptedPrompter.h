#pragma once

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <vector>

#include "ModalInterlude.h"
#include "app/Prompter.h"

namespace valdren::test {

// Answers the window's questions from a script and keeps what was asked, in order. Without a
// scripted answer a box is answered OK (or Cancel where it has one), a check box is left
// unchecked and a file dialog is cancelled. Before it answers, it runs what the modal loop of a
// real box runs (RunModalInterlude), so every flow meets the events and paints it would meet.
class ScriptedPrompter : public Prompter {
 public:
  struct Asked {
    QString text;     // a file dialog's initial name
    QString caption;  // "Open", "Save" for the file dialogs
    MessageIcon icon = MessageIcon::kNone;
    MessageButtons buttons = MessageButtons::kOk;
    QString checkBox;
    bool windowShown = false;  // whether any window was on the screen when it was asked
    bool underWaitCursor = false;
  };

  MessageAnswer Message(const QString& text, const QString& caption, MessageIcon icon,
                        MessageButtons buttons) override {
    Ask({text, caption, icon, buttons, {}});
    if (answers.empty())
      return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kCancel;
    return Next(answers);
  }
  bool MessageWithCheckBox(const QString& text, const QString& caption,
                           const QString& checkBox) override {
    Ask({text, caption, MessageIcon::kNone, MessageButtons::kOk, checkBox});
    return checks.empty() ? false : Next(checks);
  }
  void About(const QString& caption, const QString& text) override {
    Ask({text, caption, MessageIcon::kInformation, MessageButtons::kOk, {}});
  }
  std::optional<std::filesystem::path> OpenFile(const FileDialogSettings& settings) override {
    return File("Open", settings);
  }
  std::optional<std::filesystem::path> SaveFile(const FileDialogSettings& settings) override {
    return File("Save", settings);
  }
  std::optional<std::filesystem::path> ChooseFolder(const QString& caption) override {
    Record({}, caption);
    return folders.empty() ? std::nullopt : Next(folders);
  }

  std::optional<int> AskMorale(int value) override {
    Record(QString::number(value), "Morale Dialog");
    return ratings.empty() ? std::nullopt : Next(ratings);
  }
  std::optional<int> AskCommandRating(int value) override {
    Record(QString::number(value), "Command Dialog");
    return ratings.empty() ? std::nullopt : Next(ratings);
  }
  int AskChoice(const OrgTemplate&, const SubunitGroup&) override {
    Record({}, "Choice Dialog");
    return choices.empty() ? -1 : Next(choices);
  }
  std::string AskDescription(std::string_view subject) override {
    Record(QString::fromLatin1(subject.data(), static_cast<qsizetype>(subject.size())),
           "Description Dialog");
    return descriptions.empty() ? std::string() : Next(descriptions);
  }

  bool AskRecovery(const QString& text, const QString& caption) override {
    Ask({text, caption, MessageIcon::kQuestion, MessageButtons::kOk, {}});
    return recoveries.empty() ? true : Next(recoveries);
  }

  // The captions of what was asked, in order.
  QStringList Captions() const {
    QStringList captions;
    for (const Asked& question : asked)
      captions << question.caption;
    return captions;
  }

  std::deque<MessageAnswer> answers;
  std::deque<bool> checks;
  std::deque<std::optional<std::filesystem::path>> files;
  std::deque<std::optional<std::filesystem::path>> folders;
  std::deque<std::optional<int>> ratings;  // the morale and command dialogs' answers
  std::deque<int> choices;
  std::deque<std::string> descriptions;
  std::deque<bool> recoveries;  // true for Recover
  std::vector<Asked> asked;
  std::vector<FileDialogSettings> dialogs;

 private:
  void Record(const QString& text, const QString& caption) {
    Ask({text, caption, MessageIcon::kNone, MessageButtons::kOk, {}});
  }
  void Ask(Asked question) {
    question.windowShown = AnyWindowShown();
    question.underWaitCursor = QGuiApplication::overrideCursor() != nullptr;
    asked.push_back(question);
    RunModalInterlude();
  }
  template <typename T>
  static T Next(std::deque<T>& queue) {
    T next = queue.front();
    queue.pop_front();
    return next;
  }
  std::optional<std::filesystem::path> File(const char* caption,
                                            const FileDialogSettings& settings) {
    Record(settings.fileName, caption);
    dialogs.push_back(settings);
    return files.empty() ? std::nullopt : Next(files);
  }
  static bool AnyWindowShown() {
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget* window) { return window->isVisible(); });
  }
};

}  // namespace valdren::test
