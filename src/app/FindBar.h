#pragma once

#include <QWidget>
#include <vector>

#include "catalog/CatalogModel.h"

class QLabel;
class QLineEdit;

namespace valdren {

// The bar under the catalog that finds templates by name: it exists while it is open. Typing
// lists the templates at the filter date whose names hold the text, in any nation; Enter goes to
// the next, wrapping around (the window adds F3 and Shift+F3); Escape closes the bar.
class FindBar : public QWidget {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* parent);

  QString Text() const;
  void SetText(const QString& text);
  // "3 of 17", "No match", or nothing before anything is typed.
  QString Status() const;

  // The matches for the text at the catalog's date now; none is shown yet.
  void Search(const CatalogModel& catalog);
  // The date of the matches.
  CatalogDate Date() const { return date_; }
  void Next();
  void Previous();
  void Focus();

 Q_SIGNALS:
  void TextChanged();
  // The match to show: the window expands its nation and selects its row.
  void Go(const CatalogMatch& match);
  void Closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Show(int match);

  QLineEdit* edit_;
  QLabel* status_;
  std::vector<CatalogMatch> matches_;
  int current_ = -1;
  CatalogDate date_;
};

}  // namespace valdren
