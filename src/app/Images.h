#pragma once

#include <QIcon>
#include <array>

namespace valdren {

// The program's pictures, drawn as SVG and rendered at whatever scale the screen asks for.
QIcon ProgramIcon();
// The toolbar picture of an editing command, 201..212.
QIcon ToolbarImage(int command);

// The image list both trees share: 0 plain, 1..8 the unit sizes platoon..army, 9..28 the
// emblems of nations 0..19, each loaded once, since every row asks for its image. An index
// outside them shows the plain image.
class TreeImageList {
 public:
  static constexpr int kCount = 29;
  static constexpr QSize kSize{18, 12};

  TreeImageList();
  const QIcon& operator[](int index) const;

 private:
  std::array<QIcon, kCount> images_;
};

}  // namespace valdren
