// A fresh folder for one test, removed afterwards; names and contents are bytes
// in the program's code page.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

// The file-system path of a code-page path.
std::filesystem::path nativePath(const std::string& path);
// Every file below `folder` with its bytes.
std::map<std::filesystem::path, std::string> snapshot(const std::string& folder);
// The contents of any file.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with its trailing separator, as the program writes folder paths.
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + name; }
  std::string withoutSeparator() const { return path_.substr(0, path_.size() - 1); }

  void write(const std::string& name, const std::string& bytes) const {
    writeFile(file(name), bytes);
  }
  std::string read(const std::string& name) const { return readFile(file(name)); }
  bool exists(const std::string& name) const {
    return std::filesystem::exists(nativePath(file(name)));
  }
  void makeFolder(const std::string& name) const {
    std::filesystem::create_directory(nativePath(file(name)));
  }
  // Every entry of the folder, sorted.
  std::vector<std::string> entries() const;

 private:
  std::string path_;
};

// Returns to the current folder of its start: a test that enters its temporary
// folder must leave it before the folder goes.
class KeepCurrentFolder {
 public:
  KeepCurrentFolder() {
    std::error_code gone;  // an earlier test may have left a folder that is gone
    start_ = std::filesystem::current_path(gone);
    if (gone) start_ = std::filesystem::temp_directory_path();
  }
  ~KeepCurrentFolder() {
    std::error_code ignored;
    std::filesystem::current_path(start_, ignored);
  }

 private:
  std::filesystem::path start_;
};

}  // namespace testing_support
