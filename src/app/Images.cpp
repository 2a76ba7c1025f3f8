#include "app/Images.h"

namespace valdren {

QIcon ProgramIcon() {
  return QIcon(QStringLiteral(":/images/program-icon.svg"));
}

QIcon ToolbarImage(int command) {
  return QIcon(QStringLiteral(":/images/toolbar/%1.svg").arg(command));
}

TreeImageList::TreeImageList() {
  for (int i = 0; i < kCount; ++i)
    images_[i] = QIcon(QStringLiteral(":/images/tree/%1.svg").arg(i, 2, 10, QLatin1Char('0')));
}

const QIcon& TreeImageList::operator[](int index) const {
  return images_[index >= 0 && index < kCount ? index : 0];
}

}  // namespace valdren
