#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace valdren {

// The bar under a tree that finds its rows by name: it exists while it is open, and says which
// tree it searches. Its owner searches the text typed and gives the number of matches; Enter goes
// to the next, wrapping around (the window adds F3 and Shift+F3); Escape closes the bar.
class FindBar : public QWidget {
  Q_OBJECT

 public:
  // Where it searches ("Catalog"), and what the empty field asks for.
  FindBar(const QString& where, const QString& placeholder, QWidget* parent);

  QString Text() const;
  void SetText(const QString& text);
  // "3 of 17", "No match", or nothing before anything is typed.
  QString Status() const;

  // The number of matches the owner found for the text now; none is shown yet.
  void SetCount(int count);
  void Next();
  void Previous();
  void Focus();

 Q_SIGNALS:
  void TextChanged();
  // The match to show, counted from 0.
  void Go(int match);
  void Closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Show(int match);

  QLineEdit* edit_;
  QLabel* status_;
  int count_ = 0;
  int current_ = -1;
};

}  // namespace valdren
