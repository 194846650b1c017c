// Results computed once for each distinct text: an export repeats the same few
// values (entitlements, start dates) row after row, so the check reads each
// value once rather than 32,767 times.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace importfile {

template <typename Result>
class Remembered {
 public:
  using Compute = std::function<Result(std::string_view)>;

  // `compute` must give the same result for the same text.
  Remembered(std::size_t columns, Compute compute)
      : recent_(columns), compute_(std::move(compute)) {}

  // The result for `value` in column `column` (counted from 0); valid until
  // the next call for that column.
  const Result& of(std::size_t column, std::string_view value) {
    Recent& recent = recent_[column];
    if (!recent.set || recent.value != value) {
      recent.result = lookUp(value);
      recent.value = value;  // into the memory of the last value
      recent.set = true;
    }
    return recent.result;
  }

 private:
  // Bounds the memory that a file of many distinct values takes.
  static constexpr std::size_t kRemembered = 1024;

  struct Recent {
    std::string value;
    Result result{};
    bool set = false;
  };

  Result lookUp(std::string_view value) {
    std::string key(value);
    const auto known = known_.find(key);
    if (known != known_.end()) return known->second;
    Result result = compute_(value);
    if (known_.size() < kRemembered) known_.emplace(std::move(key), result);
    return result;
  }

  std::vector<Recent> recent_;  // the last value of each column, which the next row often repeats
  std::unordered_map<std::string, Result> known_;
  Compute compute_;
};

}  // namespace importfile
