#pragma once

#include <functional>

#include "app/Prompter.h"

class QFileDialog;
class QWidget;

namespace valdren {

// The questions of the window as Qt's own modal dialogs, owned by the main window.
class QtPrompter : public Prompter {
 public:
  void SetOwner(QWidget* owner) override { owner_ = owner; }
  // What the dialogs' Help buttons call with their keyword.
  void SetHelp(std::function<void(const QString&)> showHelp) { showHelp_ = std::move(showHelp); }

  MessageAnswer Message(const QString& text, const QString& caption, MessageIcon icon,
                        MessageButtons buttons) override;
  bool MessageWithCheckBox(const QString& text, const QString& caption,
                           const QString& checkBox) override;
  void About(const QString& caption, const QString& text) override;
  std::optional<std::filesystem::path> OpenFile(const FileDialogSettings& settings) override;
  std::optional<std::filesystem::path> SaveFile(const FileDialogSettings& settings) override;
  std::optional<std::filesystem::path> ChooseFolder(const QString& caption) override;
  std::optional<int> AskMorale(int value) override;
  std::optional<int> AskCommandRating(int value) override;
  int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) override;
  std::string AskDescription(std::string_view subject) override;
  bool AskRecovery(const QString& text, const QString& caption) override;

 private:
  std::optional<std::filesystem::path> RunFileDialog(const FileDialogSettings& settings, bool save);
  static std::optional<std::filesystem::path> RunFileDialog(QFileDialog& dialog);

  QWidget* owner_ = nullptr;
  std::function<void(const QString&)> showHelp_ = [](const QString&) {};
};

}  // namespace valdren
