#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>

#include "ModalInterlude.h"

namespace valdren::test {

// Answers each box or dialog as it opens, once the views behind it have painted: with the next
// answer given, or else with Escape. Keeps what each box said, or each dialog's title.
class BoxAnswerer {
 public:
  using Answer = std::function<void(QWidget*)>;

  BoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box || box == answering_) return;
      answering_ = box;
      PaintVisibleViews();
      const auto* message = qobject_cast<QMessageBox*>(box);
      shown << (message ? message->text() : box->windowTitle());
      const Answer answer = answers.empty() ? Escape : answers.front();
      if (!answers.empty()) answers.pop_front();
      answer(box);
    });
    timer_.start(5);
  }

  static void Escape(QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }
  // The message box's button of that text.
  static Answer Button(const QString& text) {
    return [text](QWidget* box) {
      for (QAbstractButton* button : qobject_cast<QMessageBox*>(box)->buttons())
        if (button->text().remove(QLatin1Char('&')) == text) return button->click();
      ADD_FAILURE() << "no button " << text.toStdString();
    };
  }
  static Answer File(const std::filesystem::path& file) {
    return [file](QWidget* box) {
      auto* dialog = qobject_cast<QFileDialog*>(box);
      dialog->selectFile(QString::fromStdString(file.string()));
      static_cast<QDialog*>(dialog)->accept();
    };
  }

  std::deque<Answer> answers;
  QStringList shown;

 private:
  QTimer timer_;
  QPointer<QWidget> answering_;
};

}  // namespace valdren::test
