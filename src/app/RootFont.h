#pragma once

#include <QFont>
#include <QVariant>

namespace valdren {

// The font role of a tree's row: bold for the tree's root, the view's own font for the rest.
inline QVariant RootFont(bool root) {
  if (!root) return {};
  QFont bold;
  bold.setBold(true);
  return bold;
}

}  // namespace valdren
