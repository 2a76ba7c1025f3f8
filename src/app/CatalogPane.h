#pragma once

#include <QObject>
#include <QRect>
#include <memory>
#include <utility>
#include <vector>

#include "app/CatalogBoxes.h"
#include "app/CatalogItemModel.h"
#include "catalog/CatalogModel.h"

class QComboBox;
class QWidget;

namespace valdren {

class FindBar;
class TreeFind;
class OobDatabase;
class Prompter;
class Toolbar;
class TreeImageList;
class TreeView;
class UnitTemplate;

// The catalog "Available Units and Organizations" in the window: the core's catalog at the filter
// date and its Qt model, the left tree whose expansions fill the nations, the month and year
// filter boxes, and the find bar under the tree while it is open. The catalog's messages are asked
// through the prompter. A date picked in a filter box is told with DateChosen, which the window
// makes a change of the document; the window's own date comes in with SetDate.
//
// The members are declared so that they go in the right order: the Qt model, which leaves the
// catalog as it goes, before the catalog, the catalog before the boxes it speaks through.
class CatalogPane : public QObject {
  Q_OBJECT

 public:
  CatalogPane(Prompter& prompter, const TreeImageList& images, QObject* parent = nullptr);
  ~CatalogPane() override;

  // The filter boxes at June 1941, on the toolbar; the tree, in the window's client area. The
  // catalog is filled once the database has loaded.
  void CreateFilterBoxes(Toolbar& toolbar);
  void CreateTree(QWidget* client);
  void FillCatalog(const OobDatabase& database);

  TreeView* Tree() const { return tree_; }
  QComboBox* MonthBox() const { return monthBox_; }
  QComboBox* YearBox() const { return yearBox_; }
  FindBar* Finder() const;
  const CatalogModel& Catalog() const { return *catalog_; }
  // The template under the tree's selection, or null.
  const UnitTemplate* Selection() const;

  // The date of a new or opened organization: the boxes show it (a date outside their lists
  // leaves a box without a selection) and the catalog is refreshed.
  void SetDate(CatalogDate date);
  // The tree takes the rectangle, the find bar its bottom while it is open.
  void Place(const QRect& rect);

  void OpenFindBar();
  void CloseFindBar();
  void FindNext();
  void FindPrevious();

 Q_SIGNALS:
  void DateChosen(CatalogDate date);
  void SelectionChanged();
  // A word for the status bar.
  void Said(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnCatalogExpanding(const QModelIndex& index, bool expanding);
  void OnFilterChange(QComboBox* box);
  // After the catalog has been filled or refreshed: how many of its messages the user chose to
  // skip, and the find bar's matches at the new date.
  void AfterCatalogWork();
  // The templates found for the text at the filter date, and the row of one of them.
  int FindTemplates(const QString& text);
  QModelIndex MatchRow(int match);
  std::pair<CatalogRow, const UnitTemplate*> SelectedTemplate() const;

  const TreeImageList& images_;
  CatalogBoxes boxes_;
  std::unique_ptr<CatalogModel> catalog_;
  std::unique_ptr<CatalogItemModel> model_;
  TreeView* tree_ = nullptr;
  QComboBox* monthBox_ = nullptr;
  QComboBox* yearBox_ = nullptr;
  TreeFind* find_ = nullptr;
  std::vector<CatalogMatch> matches_;
  CatalogDate matchesDate_;
};

}  // namespace valdren
