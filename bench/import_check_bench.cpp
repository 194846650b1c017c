// Reads and checks generated import files of 1,000, 8,000 and 32,767 valid
// ten-column rows through Importdatei_checken; prints the time of each, the
// time per row and the peak memory of the process.
// Usage: bench_import_check [FOLDER] [REPETITIONS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "importfile/import_check.h"
#include "startup/context.h"

namespace {

// A header and `rows` valid rows of the kind an administrator exports.
void writeImportFile(const std::string& path, std::size_t rows) {
  std::ofstream out(path, std::ios::binary);
  out << "Name;Benutzername;Von-Datum;Bis-Datum;Resturlaub;Urlaubsanspruch 1;"
         "Urlaubsanspruch 2;Urlaubsanspruch 3;Urlaubsanspruch 4;Sonderurlaub\r\n";
  for (std::size_t i = 1; i <= rows; ++i) {
    out << "Mitarbeiter " << i << ", Vorname;user" << i << ";01.0" << 1 + i % 9 << ".2017;"
        << (i % 3 == 0 ? "31.12.2027" : "") << ";" << i % 10 << ",5;30;30;28;28;" << i % 3
        << "\r\n";
  }
}

struct Times {
  double fastest;  // seconds; the run least disturbed by other work on the machine
  double median;
};

// The times of `repetitions` checks of `file`.
Times timeCheck(const std::string& folder, const std::string& file, int repetitions) {
  std::vector<double> times;
  for (int i = 0; i < repetitions; ++i) {
    bench::CountingDialogs dialogs;
    startup::Context context(platform::hostSystem(), dialogs);
    context.region = platform::regionalSettingsFor("de_DE");
    context.language = startup::Language::DE;
    const auto start = std::chrono::steady_clock::now();
    const bool opened = importfile::Importdatei_checken(context, {file, folder}).verdict ==
                        importfile::Verdict::kFaultFree;
    times.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (!opened || dialogs.questions != 0) {
      std::fprintf(stderr, "the check did not pass %s\n", file.c_str());
      std::exit(1);
    }
  }
  std::sort(times.begin(), times.end());
  return {times.front(), times[times.size() / 2]};
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const fs::path folder = base / "bench_import_check";
  fs::create_directories(folder);
  const std::string data = folder.string() + "/";
  std::printf("peak memory before the checks: %.1f MB\n", bench::peakMegabytes());
  std::printf("%6s %9s %12s %11s %12s %9s %12s\n", "rows", "file MB", "fastest ms", "median ms",
              "us per row", "peak MB", "peak / file");
  for (const std::size_t rows : {1000, 8000, 32767}) {
    const std::string file = data + "import_" + std::to_string(rows) + ".csv";
    writeImportFile(file, rows);
    const double megabytes = static_cast<double>(fs::file_size(file)) / (1024 * 1024);
    const Times times = timeCheck(data, file, repetitions);
    const double peak = bench::peakMegabytes();
    std::printf("%6zu %9.2f %12.2f %11.2f %12.3f %9.1f %12.1f\n", rows, megabytes,
                times.fastest * 1e3, times.median * 1e3,
                times.fastest * 1e6 / static_cast<double>(rows), peak, peak / megabytes);
  }
  fs::remove_all(folder);
  return 0;
}
