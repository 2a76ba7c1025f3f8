#pragma once

#include <QByteArray>

#include "support/GameFolder.h"

namespace valdren::test {

// The folder stands for the user's home in what the editor keeps for a user: its data and
// settings folders are made inside it, never in the user's own.
inline void UseAsHome(const GameFolder& home) {
  for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
    qputenv(variable, QByteArray::fromStdString((home.Path() / variable).string()));
}

}  // namespace valdren::test
