#include "app/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>

#include "gui/PathText.h"

namespace valdren {

namespace {

constexpr char kRecentFilesKey[] = "recentFiles";

// The absolute path, as the settings keep it: the same file under another name counts once.
QString Kept(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  return PathText((error ? file : absolute).lexically_normal());
}

}  // namespace

RecentFiles::RecentFiles(QWidget* parent)
    : QObject(parent), menu_(new QMenu(tr("Open &Recent"), parent)) {
  menu_->setObjectName(QStringLiteral("RecentFiles"));
  FillMenu();
}

QStringList RecentFiles::Files() const {
  return QSettings().value(kRecentFilesKey).toStringList();
}

void RecentFiles::Add(const std::filesystem::path& file) {
  QStringList files = Files();
  const QString kept = Kept(file);
  files.removeAll(kept);
  files.prepend(kept);
  Store(files.mid(0, kKept));
}

void RecentFiles::Remove(const std::filesystem::path& file) {
  QStringList files = Files();
  files.removeAll(Kept(file));
  Store(files);
}

void RecentFiles::Store(const QStringList& files) {
  QSettings().setValue(kRecentFilesKey, files);
  FillMenu();
}

// Each entry is numbered for the keyboard and shows the name, then its folder.
void RecentFiles::FillMenu() {
  menu_->clear();
  const QStringList files = Files();
  for (int i = 0; i < files.size(); ++i) {
    const QFileInfo info(files[i]);
    const QString name = info.fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* entry = menu_->addAction(
        QStringLiteral("&%1 %2  (%3)").arg(i + 1).arg(name, QDir::toNativeSeparators(info.path())));
    const std::filesystem::path file(QFile::encodeName(files[i]).toStdString());
    connect(entry, &QAction::triggered, this, [this, file] { Q_EMIT Chosen(file); });
  }
  menu_->menuAction()->setEnabled(!files.isEmpty());
}

}  // namespace valdren
