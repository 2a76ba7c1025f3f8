#pragma once

#include <QObject>
#include <filesystem>

class QMenu;
class QWidget;

namespace valdren {

// The organizations opened or saved last, newest first, kept in the user's settings so that the
// next editor offers them too, and the "Open Recent" menu that lists them with their folders.
class RecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr int kKept = 8;

  explicit RecentFiles(QWidget* parent);

  QMenu* Menu() const { return menu_; }
  QStringList Files() const;
  // The file first in the list (once), the oldest dropped beyond the eighth.
  void Add(const std::filesystem::path& file);
  void Remove(const std::filesystem::path& file);

 Q_SIGNALS:
  void Chosen(const std::filesystem::path& file);

 private:
  void Store(const QStringList& files);
  void FillMenu();

  QMenu* menu_;
};

}  // namespace valdren
