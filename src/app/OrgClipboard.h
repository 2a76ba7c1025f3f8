#pragma once

#include <QObject>
#include <memory>
#include <string>

namespace valdren {

class CreatedTree;
class OrgItem;
class OrgEditing;
class Prompter;

// Cut, Copy, Paste and Duplicate of a created item with its subtree, through the system's
// clipboard, so that they work between two editors. Copy puts the item there twice: as the lines
// the file writer gives for it, in the game's bytes under a type of the editor's own, and as
// plain text for any other program. Paste takes either, puts the item after the selected one
// where the nesting allows it (else at the end of the top level), with fresh ids, and selects it.
// Each change is one step of the history.
class OrgClipboard : public QObject {
  Q_OBJECT

 public:
  // The type under which the game's bytes go on the clipboard.
  static constexpr char kMimeType[] = "application/x-valdren-org";

  OrgClipboard(OrgEditing& editing, CreatedTree& tree, Prompter& prompter, QObject* parent);

  void Cut();
  void Copy();
  void Paste();
  void Duplicate();

 Q_SIGNALS:
  // A word for the status bar.
  void Said(const QString& text);

 private:
  // The item the lines hold, ready to be put in; null, after saying why, when there is none.
  std::unique_ptr<OrgItem> Read(const std::string& lines, const QString& caption);

  OrgEditing& editing_;
  CreatedTree& tree_;
  Prompter& prompter_;
};

}  // namespace valdren
