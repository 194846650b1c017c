// What the benchmarks share: dialogs that only count, a stopwatch and the
// process's peak memory.
#pragma once

#include <sys/resource.h>

#include <chrono>
#include <string>

#include "startup/dialogs.h"

namespace bench {

// Counts the boxes and answers No.
class CountingDialogs : public startup::Dialogs {
 public:
  int notices = 0;
  int questions = 0;
  void notice(const std::string&, const std::string&) override { ++notices; }
  bool question(const std::string&, const std::string&) override {
    ++questions;
    return false;
  }
  std::string browseForFolder(std::intptr_t, const std::string&) override { return {}; }
  std::optional<std::string> openFile(const startup::OpenFileRequest&) override { return {}; }
  std::optional<std::string> saveFile(const startup::SaveFileRequest&) override { return {}; }
  void showLines(const startup::LinesRequest&) override {}
  startup::ListChoice chooseFromList(const startup::ListChoiceRequest&) override { return {}; }
};

template <typename Work>
double seconds(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// In megabytes (10^6 bytes), like the sizes of the files.
inline double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;  // kibibytes on Linux
}

}  // namespace bench
