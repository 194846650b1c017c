// Writes and reads a large scrambled file through the file channel and, in the
// same run, copies it with cat; prints the throughput of each and the ratios.
// Usage: bench_file_channel [FOLDER] [MEGABYTES]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "hostfiles/file_channel.h"
#include "startup/context.h"

namespace {

// Lines of the kind the planner keeps: employee lines of about 90 characters.
std::string sampleLine(std::size_t i) {
  return "170101:999999:025,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Mitarbeiter " +
         std::to_string(i) + ":user" + std::to_string(i);
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  const double megabytes = argc > 2 ? std::atof(argv[2]) : 100;
  const std::string file = (folder / "bench_channel.dat").string();
  const std::string copy = (folder / "bench_channel_copy.dat").string();

  bench::CountingDialogs dialogs;
  startup::Context state(platform::hostSystem(), dialogs);
  using namespace hostfiles;

  std::vector<std::string> texts;
  for (double bytes = 0; bytes < megabytes * 1e6;) {
    texts.push_back(sampleLine(texts.size()));
    bytes += static_cast<double>(texts.back().size() + 3);
  }
  const double write = bench::seconds([&] {
    FileChannel channel;
    Datei_oeffnen(state, channel, file, Modus::Output, Fehlerbehandlung::ReportErrors);
    for (const std::string& text : texts) LineOut(state, channel, text);
    Datei_schliessen(channel);
  });
  const double size = static_cast<double>(fs::file_size(file)) / 1e6;

  std::size_t read = 0;
  const double readTime = bench::seconds([&] {
    FileChannel channel;
    Datei_oeffnen(state, channel, file, Modus::Input, Fehlerbehandlung::ReportErrors);
    while (!channel.atEnd()) read += LineIn(state, channel).size();
    Datei_schliessen(channel);
  });
  // cat gets the file warm from the page cache, as the channel's reader did.
  const std::string command = "cat '" + file + "' > '" + copy + "'";
  const double cat = bench::seconds([&] {
    if (std::system(command.c_str()) != 0) std::exit(1);
  });
  // The channel makes its output durable before it replaces the target; cat
  // followed by sync does the same work.
  const std::string synced = command + " && sync '" + copy + "'";
  const double catSync = bench::seconds([&] {
    if (std::system(synced.c_str()) != 0) std::exit(1);
  });
  fs::remove(file);
  fs::remove(copy);

  std::printf("file: %.1f MB, %zu lines (%zu characters read back)\n", size, texts.size(), read);
  std::printf("LineOut: %7.3f s  %8.1f MB/s  %5.2f x cat  %5.2f x cat+sync\n", write, size / write,
              write / cat, write / catSync);
  std::printf("LineIn:  %7.3f s  %8.1f MB/s  %5.2f x cat\n", readTime, size / readTime,
              readTime / cat);
  std::printf("cat:     %7.3f s  %8.1f MB/s\n", cat, size / cat);
  std::printf("cat+sync:%7.3f s  %8.1f MB/s\n", catSync, size / catSync);
  return 0;
}
