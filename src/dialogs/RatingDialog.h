#pragma once

#include <QDialog>
#include <QString>
#include <span>

#include "dialogs/DialogLayout.h"

class QButtonGroup;

namespace valdren {

// What tells the morale dialog from the command dialog: names, texts and places in dialog units.
// The radio row runs from the highest rating on the left to 1 on the right.
struct RatingLayout {
  struct Place {
    int x;
    int width;
  };

  QString name;
  QString caption;
  QString prompt;
  int width;
  int height;
  DialogRect ok;
  DialogRect cancel;
  DialogRect promptRect;
  int rowY;
  std::span<const Place> places;
};

// A dialog that asks for a rating from 1 up with a row of radio buttons in one exclusive group:
// the button of rating v shows v and has id 100 + v. From the keyboard the row is one stop of the
// tab order, on the checked button; the arrows move the check along the row, a digit checks its
// rating (0 for 10), and Enter is OK. The caller sets the current rating before
// exec() and reads Value() afterwards. Value() is taken from the buttons however the dialog
// closes; exec() tells OK (Accepted) from Cancel, Escape and the close box (Rejected), and the
// caller decides whether it counts. One button is always checked, so the value read back is
// always a rating of the row.
class RatingDialog : public QDialog {
  Q_OBJECT

 public:
  // A value the row does not have checks the nearest button.
  void SetValue(int value);
  int Value() const { return value_; }

  void done(int result) override;

 protected:
  RatingDialog(QWidget* owner, const RatingLayout& layout, ShowHelp showHelp);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddRow(const RatingLayout& layout);
  int CheckedValue() const;
  // Checks the rating's button and gives it the focus; a rating off the row changes nothing.
  void Check(int value);

  QButtonGroup* group_;
  int highest_;
  int value_ = 1;
};

}  // namespace valdren
