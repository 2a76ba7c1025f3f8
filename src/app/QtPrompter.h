#pragma once

#include "app/Prompter.h"

class QWidget;

namespace valdren {

// The questions of the window as Qt's own modal dialogs, owned by the main window.
class QtPrompter : public Prompter {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }

  MessageAnswer Message(const QString& text, const QString& caption, MessageIcon icon,
                        MessageButtons buttons) override;
  bool MessageWithCheckBox(const QString& text, const QString& caption,
                           const QString& checkBox) override;
  void About(const QString& caption, const QString& text) override;
  std::optional<std::filesystem::path> OpenFile(const FileDialogSettings& settings) override;
  std::optional<std::filesystem::path> SaveFile(const FileDialogSettings& settings) override;

 private:
  std::optional<std::filesystem::path> RunFileDialog(const FileDialogSettings& settings,
                                                     bool save);

  QWidget* owner_ = nullptr;
};

}  // namespace valdren
