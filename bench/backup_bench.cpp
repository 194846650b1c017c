// Backs up a generated planner data folder (many data files, a few large log
// files) and, in the same run, copies the same files with cat into one file;
// prints both times, their ratio and the backup's peak memory.
// Usage: bench_backup [FOLDER] [MEGABYTES]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "hostfiles/backup.h"
#include "hostfiles/scrambled_line.h"
#include "startup/context.h"

namespace {

namespace fs = std::filesystem;

// Employee lines of about 90 characters, and log entries of about 70.
std::string dataLine(std::size_t i) {
  return "170101:999999:025,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:M\xFCller " +
         std::to_string(i) + ":user" + std::to_string(i);
}

std::string logLine(std::size_t i) {
  return "03.12.17 14:05:" + std::to_string(10 + i % 50) + "|mueller|ZentaAdmin|Eintrag " +
         std::to_string(i) +
         " f\xFCr B\xE4"
         "ckerei";
}

// Writes scrambled lines until the file holds about `bytes`; streamed, so that
// the benchmark's own memory stays small.
void writePlannerFile(const fs::path& path, double bytes, std::string (*line)(std::size_t)) {
  std::ofstream out(path, std::ios::binary);
  for (std::size_t i = 0, written = 0; static_cast<double>(written) < bytes; ++i) {
    const std::string scrambled =
        hostfiles::encodeLine(static_cast<unsigned char>(32 + i * 37 % 223), line(i)) + "\r\n";
    out << scrambled;
    written += scrambled.size();
  }
}

// 400 data files from 1 to about 200 kB (40 % of the data) and 12 monthly log
// files of growing size (60 %).
void makeDataFolder(const fs::path& data, const fs::path& logs, double megabytes) {
  fs::create_directories(data);
  fs::create_directories(logs);
  const double total = megabytes * 1e6;
  for (int i = 0; i < 400; ++i) {
    const double share = 0.4 * total * (1 + i % 20) / (400 * 10.5);
    writePlannerFile(data / ("Datei" + std::to_string(1000 + i) + ".dat"), share, dataLine);
  }
  for (int month = 1; month <= 12; ++month) {
    const double share = 0.6 * total * month / 78;
    const std::string name = std::to_string(2600 + month) + " Zentavo.log";
    writePlannerFile(logs / name, share, logLine);
  }
}

double folderMegabytes(const fs::path& folder) {
  double bytes = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) bytes += static_cast<double>(entry.file_size());
  }
  return bytes / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path base = (argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path()) / "bench_backup";
  const double megabytes = argc > 2 ? std::atof(argv[2]) : 100;
  const fs::path data = base / "data", logs = base / "logs";
  fs::remove_all(base);
  makeDataFolder(data, logs, megabytes);
  const double size = folderMegabytes(data) + folderMegabytes(logs);

  bench::CountingDialogs dialogs;
  startup::Context state(platform::hostSystem(), dialogs);
  state.Datum_heute = "261204";
  const double before = bench::peakMegabytes();
  bool written = false;
  const double backup = bench::seconds([&] {
    written = hostfiles::Backup_erstellen(state, data.string() + "/", logs.string() + "/", "A")
                  .has_value();
  });
  const double peak = bench::peakMegabytes();
  if (!written) return 1;
  const double backupSize = folderMegabytes(data / "Backups");

  const std::string sources = "'" + data.string() + "'/*.dat '" + logs.string() + "'/*.log";
  const std::string copy = "'" + (base / "copy.dat").string() + "'";
  const std::string command = "cat " + sources + " > " + copy;
  const double cat = bench::seconds([&] {
    if (std::system(command.c_str()) != 0) std::exit(1);
  });
  // The backup makes its file durable before it takes its place; so does sync.
  const std::string synced = command + " && sync " + copy;
  const double catSync = bench::seconds([&] {
    if (std::system(synced.c_str()) != 0) std::exit(1);
  });
  fs::remove_all(base);

  std::printf("data:     %.1f MB in 412 files (400 data files, 12 log files)\n", size);
  std::printf("backup:   %7.3f s  (backup file %.1f MB)\n", backup, backupSize);
  std::printf("cat:      %7.3f s  backup = %5.2f x cat\n", cat, backup / cat);
  std::printf("cat+sync: %7.3f s  backup = %5.2f x cat+sync\n", catSync, backup / catSync);
  std::printf("peak memory: %.1f MB, %.1f MB before the backup: growth %.1f MB = %.2f x data\n",
              peak, before, peak - before, (peak - before) / size);
  return 0;
}
