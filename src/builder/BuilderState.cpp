#include "builder/BuilderState.h"

namespace valdren {

Random& BuilderState::Made(std::unique_ptr<Random>& random) {
  if (!random) random = seed_ ? std::make_unique<Random>(*seed_) : std::make_unique<Random>();
  return *random;
}

}  // namespace valdren
