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

namespace valdren {

class OrgRoot;

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
  // A copy found for the game folder, with its lock taken: the document's name as it was (empty
  // for an unnamed document) and when it was written.
  struct Found {
    std::filesystem::path file;
    std::filesystem::path document;
    QDateTime written;
    std::shared_ptr<QLockFile> lock;
  };

  // The copies go to the folder; the organization is read when a copy is written.
  RecoveryFile(std::filesystem::path folder, std::filesystem::path gameFolder,
               const OrgRoot& organization, QObject* parent = nullptr);
  ~RecoveryFile() override;

  // The document changed; it has the name given (empty for none).
  void Changed(const std::filesystem::path& document);
  // Takes the copy now, without waiting for a pause; it goes to the disk on its own thread.
  void WriteNow();
  // Until the copy under way, if any, is on the disk.
  void WaitForWrite();
  // The changes were saved or given up: the copy goes.
  void Remove();

  // The newest copy left for this game folder by an editor that is no longer running.
  std::optional<Found> Find() const;
  // Reads the copy's organization; false when it does not read completely.
  static bool Read(const Found& found, OrgRoot& organization);
  // The copy the user took back is now this editor's own, as if it had written it.
  void Adopt(const Found& found);
  // The copy the user gave up.
  static void Discard(const Found& found);
  // A copy that does not read is kept under another name, never deleted: the name it now has.
  static std::filesystem::path KeepAside(const Found& found);

 private:
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
