#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

namespace valdren {

// A path as the window shows it, in the system's file name encoding.
inline QString PathText(const std::filesystem::path& path) {
  return QFile::decodeName(path.native().c_str());
}

}  // namespace valdren
