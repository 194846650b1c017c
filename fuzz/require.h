// A broken property of a fuzz target: say which, and end the run as a crash
// does, so that libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace fuzzing
