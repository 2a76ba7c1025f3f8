#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <filesystem>

namespace valdren {

// A path as the window shows it, in the system's file name encoding.
inline QString PathText(const std::filesystem::path& path) {
  return QFile::decodeName(path.native().c_str());
}

// A file name made from a name shown in the window, with the extension: a character no file name
// may hold becomes "-".
inline QString FileNameOf(const QString& name, const QString& extension) {
  QString fileName = name.trimmed() + QLatin1Char('.') + extension;
  return fileName.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|])")),
                          QStringLiteral("-"));
}

}  // namespace valdren
