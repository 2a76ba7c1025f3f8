#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace valdren {

// The hourglass for the length of a scope, around work the user waits for.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  // The user's own cursor for the length of a scope inside such work, while a question waits for
  // an answer: a box is never asked under the hourglass.
  class Lifted {
   public:
    Lifted() {
      for (; QGuiApplication::overrideCursor(); ++lifted_)
        QGuiApplication::restoreOverrideCursor();
    }
    ~Lifted() {
      for (int i = 0; i < lifted_; ++i)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    Lifted(const Lifted&) = delete;
    Lifted& operator=(const Lifted&) = delete;

   private:
    int lifted_ = 0;
  };
};

}  // namespace valdren
