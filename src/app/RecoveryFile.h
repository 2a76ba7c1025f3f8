#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>

#include "org/OrgRoot.h"

namespace valdren {

class DocFrame;
class Prompter;

// Unsaved changes kept where a crash cannot take them: while the document has changes, a copy of
// it is written to a recovery file in the user's data folder, a little after the last change, so
// that a burst of edits costs one write. The file is named after the game folder and the
// document's name, and removed when the changes are saved or given up. The next editor started
// in that game folder finds it (Find) and offers it back.
//
// Writing has two halves: the organization's bytes are taken on the window's thread, which
// costs what the file writer costs; a thread of its own puts them on the disk, replacing the
// previous copy only once the new one is complete. A lock file beside the copy tells a running
// editor's copy, which no other editor may take, from that of one that ended without a word.
class RecoveryFile : public QObject {
  Q_OBJECT

 public:
  // What the user took back: the organization, and the name its document had (empty for none).
  struct Recovered {
    OrgRoot organization;
    std::filesystem::path document;
  };

  // Follows the document's changes, keeping its copies in the user's data folder, or in the
  // folder given; the organization is read when a copy is written.
  RecoveryFile(DocFrame& document, std::filesystem::path gameFolder, const OrgRoot& organization,
               std::filesystem::path folder = DataFolder());
  // The user's data folder's "recovery".
  static std::filesystem::path DataFolder();
  ~RecoveryFile() override;

  // The document changed; it has the name given (empty for none).
  void Changed(const std::filesystem::path& document);
  // Takes the copy now, without waiting for a pause; it goes to the disk on its own thread.
  void WriteNow();
  // Until the copy under way, if any, is on the disk.
  void WaitForWrite();
  // The changes were saved or given up: the copy goes.
  void Remove();

  // The newest copy left in this game folder by an editor that is no longer running, offered
  // back through the prompter: what the user takes back, from then on this editor's own copy;
  // nothing when there is none or the user gives it up. A copy that does not read is kept under
  // another name, never deleted, and the user is told where.
  std::optional<Recovered> Offer(Prompter& prompter);

 private:
  // A copy found, with its lock taken, and when it was written.
  struct Found {
    std::filesystem::path file;
    std::filesystem::path document;
    QDateTime written;
    std::shared_ptr<QLockFile> lock;
  };

  std::optional<Found> Find() const;
  // Reads the copy's organization; false when it does not read completely.
  static bool Read(const Found& found, OrgRoot& organization);
  // The name the copy is kept under.
  static std::filesystem::path KeepAside(const Found& found);

  void Schedule();
  void Write();
  std::filesystem::path FileFor(const std::filesystem::path& document) const;

  std::filesystem::path folder_;
  std::filesystem::path gameFolder_;
  const OrgRoot& organization_;
  std::filesystem::path document_;
  QTimer timer_;
  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> firstUnwritten_;
  Clock::time_point lastWrite_{};
  // The copy this editor wrote last, and its lock; the write under way, if any.
  std::filesystem::path written_;
  std::shared_ptr<QLockFile> lock_;
  std::future<void> writing_;
};

}  // namespace valdren
