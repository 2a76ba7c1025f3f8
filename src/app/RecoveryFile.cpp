#include "app/RecoveryFile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <fstream>
#include <iterator>

#include "app/DocFrame.h"
#include "app/Prompter.h"
#include "gui/PathText.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A copy waits for a pause in the edits, but never long, and copies are never close together.
constexpr auto kPause = 2s;
constexpr auto kLongest = 10s;
constexpr auto kGap = 5s;

constexpr std::string_view kMagic = "Valdren recovery 1";
constexpr std::string_view kExtension = ".recovery";

QByteArray Encoded(const fs::path& path) {
  const std::u8string text = path.u8string();
  return QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()))
      .toPercentEncoding();
}

fs::path Decoded(const std::string& line) {
  const QByteArray bytes = QByteArray::fromPercentEncoding(QByteArray::fromStdString(line));
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(bytes.data()),
                                static_cast<std::size_t>(bytes.size())));
}

// A folder or file named the same way however the editor was pointed at it.
fs::path Absolute(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::weakly_canonical(path, error);
  return error ? path : absolute;
}

// The three lines before the organization: what the copy is, the game folder, the document.
std::string Header(const fs::path& gameFolder, const fs::path& document) {
  return std::string(kMagic) + '\n' + Encoded(gameFolder).toStdString() + '\n' +
         Encoded(document).toStdString() + '\n';
}

struct ReadHeader {
  fs::path gameFolder;
  fs::path document;
};

std::optional<ReadHeader> ReadHeaderOf(std::istream& in) {
  std::string magic;
  std::string gameFolder;
  std::string document;
  if (!std::getline(in, magic) || magic != kMagic || !std::getline(in, gameFolder) ||
      !std::getline(in, document))
    return std::nullopt;
  return ReadHeader{Decoded(gameFolder), Decoded(document)};
}

fs::path LockOf(const fs::path& file) {
  fs::path lock = file;
  return lock += ".lock";
}

// A lock held by a running editor stays its own however long it runs; one left by an editor
// that ended is free.
std::shared_ptr<QLockFile> TakeLock(const fs::path& file) {
  auto lock = std::make_shared<QLockFile>(QString::fromStdString(LockOf(file).string()));
  lock->setStaleLockTime(0);
  return lock->tryLock(0) ? lock : nullptr;
}

}  // namespace

RecoveryFile::RecoveryFile(DocFrame& document, fs::path gameFolder, const OrgRoot& organization,
                           fs::path folder)
    : QObject(&document),
      folder_(std::move(folder)),
      gameFolder_(Absolute(gameFolder)),
      organization_(organization) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &RecoveryFile::Write);
  connect(&document, &DocFrame::DocumentChanged, this,
          [this, &document] { Changed(document.FileName()); });
  connect(&document, &DocFrame::ChangesSavedOrGivenUp, this, &RecoveryFile::Remove);
}

fs::path RecoveryFile::DataFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return fs::path(data.toStdString()) / "recovery";
}

RecoveryFile::~RecoveryFile() {
  WaitForWrite();
}

void RecoveryFile::Changed(const fs::path& document) {
  document_ = document.empty() ? fs::path() : Absolute(document);
  const auto now = Clock::now();
  if (!firstUnwritten_) firstUnwritten_ = now;
  const auto due = std::max(std::min(now + kPause, *firstUnwritten_ + kLongest), lastWrite_ + kGap);
  timer_.start(std::chrono::ceil<std::chrono::milliseconds>(due - now));
}

void RecoveryFile::WriteNow() {
  if (!firstUnwritten_) return;
  timer_.stop();
  WaitForWrite();
  Write();
}

void RecoveryFile::Write() {
  // One write at a time: a copy still going to the disk is followed by the next soon after.
  if (writing_.valid() && writing_.wait_for(0s) != std::future_status::ready) {
    timer_.start(500ms);
    return;
  }
  const fs::path file = FileFor(document_);
  if (file != written_) {
    Remove();
    lock_ = TakeLock(file);
    // Another running editor keeps a copy of the same document: its copy stands.
    if (!lock_) return;
  }
  std::string bytes = Header(gameFolder_, document_) + WriteOrganization(organization_);
  firstUnwritten_.reset();
  lastWrite_ = Clock::now();
  written_ = file;
  // A copy that cannot be written leaves the previous one in place; the next change tries again.
  writing_ = std::async(std::launch::async, [file, bytes = std::move(bytes)] {
    QSaveFile out(QString::fromStdString(file.string()));
    const auto size = static_cast<qint64>(bytes.size());
    if (out.open(QIODevice::WriteOnly) && out.write(bytes.data(), size) == size) out.commit();
  });
}

void RecoveryFile::WaitForWrite() {
  if (writing_.valid()) writing_.wait();
}

void RecoveryFile::Remove() {
  timer_.stop();
  firstUnwritten_.reset();
  WaitForWrite();
  if (written_.empty()) return;
  std::error_code ignored;
  fs::remove(written_, ignored);
  written_.clear();
  lock_.reset();
}

fs::path RecoveryFile::FileFor(const fs::path& document) const {
  std::error_code ignored;
  fs::create_directories(folder_, ignored);
  const QByteArray key = QCryptographicHash::hash(Encoded(gameFolder_) + '\n' + Encoded(document),
                                                  QCryptographicHash::Sha1)
                             .toHex()
                             .left(20);
  return folder_ / (key.toStdString() + std::string(kExtension));
}

std::optional<RecoveryFile::Found> RecoveryFile::Find() const {
  std::optional<Found> newest;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
    if (entry.path().extension() != kExtension) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::optional<ReadHeader> header = ReadHeaderOf(in);
    // A copy whose header does not read says nothing of its folder: it may be this one's.
    if (header && header->gameFolder != gameFolder_) continue;
    const QDateTime written =
        QFileInfo(QString::fromStdString(entry.path().string())).lastModified();
    if (newest && written <= newest->written) continue;
    std::shared_ptr<QLockFile> lock = TakeLock(entry.path());
    if (!lock) continue;
    newest = Found{entry.path(), header ? header->document : fs::path(), written, lock};
  }
  return newest;
}

bool RecoveryFile::Read(const Found& found, OrgRoot& organization) {
  std::ifstream in(found.file, std::ios::binary);
  if (!ReadHeaderOf(in)) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ReadOrganization(organization, bytes) && organization.version == 1;
}

std::optional<RecoveryFile::Recovered> RecoveryFile::Offer(Prompter& prompter) {
  const std::optional<Found> found = Find();
  if (!found) return std::nullopt;
  Recovered recovered{OrgRoot(), found->document};
  if (!Read(*found, recovered.organization)) {
    prompter.Message(QObject::tr("Unsaved changes left by an earlier run could not be read. They "
                                 "are kept in %1.")
                         .arg(PathText(KeepAside(*found))),
                     QObject::tr("Recovery Error"), MessageIcon::kExclamation, MessageButtons::kOk);
    return std::nullopt;
  }
  const QString name = found->document.empty() ? QObject::tr("the unnamed organization")
                                               : PathText(found->document.filename());
  const QString time = QLocale().toString(found->written, QLocale::ShortFormat);
  if (!prompter.AskRecovery(
          QObject::tr("Recover the unsaved changes to %1 from %2?").arg(name, time),
          QObject::tr("Recover Unsaved Changes"))) {
    std::error_code ignored;
    fs::remove(found->file, ignored);
    return std::nullopt;
  }
  Remove();
  written_ = found->file;
  lock_ = found->lock;
  document_ = found->document;
  return recovered;
}

fs::path RecoveryFile::KeepAside(const Found& found) {
  fs::path aside = found.file;
  aside += ".unreadable-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
  std::error_code error;
  fs::rename(found.file, aside, error);
  return error ? found.file : aside;
}

}  // namespace valdren
