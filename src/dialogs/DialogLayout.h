#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QDialog;
class QFontMetrics;
class QLabel;
class QPushButton;
class QWidget;

namespace valdren {

// The editor's dialogs keep the layout they were designed with, in dialog units: a quarter of
// the dialog font's average character width across, an eighth of its height down. So a dialog
// grows with a larger font and keeps its proportions. A control's id is its object name, which
// is how the tests and the window find it.
struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

// The rectangle in pixels of the font the metrics describe.
QRect ToPixels(const QFontMetrics& metrics, const DialogRect& rect);

// Gives the dialog its fixed size, in units of its own font.
void SetDialogSize(QDialog& dialog, int width, int height);
// Puts a control of the dialog at its place, in units of the dialog's font.
void PlaceControl(QDialog& dialog, QWidget& control, const DialogRect& rect);
// The places are the least each control gets: a text (a label's, a button's) that needs more
// room than its place in this font grows its control, the controls right of it in its row move
// along, and the dialog grows with them, so that nothing is clipped or overlapped. Run again
// after a text changes.
void FitToText(QDialog& dialog);

// A push button with the given id; the default one is what Enter presses.
QPushButton* AddButton(QDialog& dialog, int id, const QString& text, const DialogRect& rect,
                       bool isDefault = false);
// A static text; an id of 0 leaves it without one (the texts that never change).
QLabel* AddStatic(QDialog& dialog, int id, const QString& text, const DialogRect& rect);

// What a dialog's help opens: the help page whose title is the keyword, the dialog's caption.
using ShowHelp = std::function<void(const QString& keyword)>;
// F1 in the dialog opens its help page, as a Help button does where the dialog has one.
void AddHelpKey(QDialog& dialog, ShowHelp showHelp);

}  // namespace valdren
