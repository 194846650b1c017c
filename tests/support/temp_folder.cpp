#include "support/temp_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/codepage.h"
#include "platform/system.h"

namespace testing_support {

namespace fs = std::filesystem;

fs::path nativePath(const std::string& path) {
#ifdef _WIN32
  return fs::path(platform::codePageToUtf16(path));
#else
  return fs::path(platform::codePageToUtf8(path));
#endif
}

namespace {

std::string codePagePath(const fs::path& path) {
#ifdef _WIN32
  return platform::utf16ToCodePage(path.wstring());
#else
  return platform::utf8ToCodePage(path.string());
#endif
}

}  // namespace

std::map<std::filesystem::path, std::string> snapshot(const std::string& folder) {
  std::map<std::filesystem::path, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(nativePath(folder))) {
    if (entry.is_regular_file()) files[entry.path()] = readFile(entry.path().string());
  }
  return files;
}

std::string readFile(const std::string& path) {
  std::ifstream in(nativePath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(nativePath(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempFolder::TempFolder() {
  std::random_device random;
  const fs::path folder =
      fs::temp_directory_path() / ("personallader-test-" + std::to_string(random()));
  fs::create_directories(folder);
  path_ = codePagePath(fs::canonical(folder)) + platform::kSeparator;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::permissions(nativePath(path_), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(nativePath(path_), ignored);
}

std::vector<std::string> TempFolder::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(nativePath(path_))) {
    names.push_back(codePagePath(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace testing_support
