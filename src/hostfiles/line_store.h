// Many lines of text held compactly, in the order they were added.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hostfiles {

// Lines lie one after another in large blocks, each behind its length in two
// bytes. The backup holds every line of the planner's files at once: a heap
// block per line would cost a multiple of their size, and one buffer that
// doubles as it grows up to three times their size while it moves.
class LineStore {
 public:
  // Raises an overflow error for a line longer than a scrambled line can hold.
  void append(std::string_view line);
  std::size_t size() const { return count_; }

  // Gives the lines in the order they were added.
  class Reader {
   public:
    explicit Reader(const LineStore& store) : store_(store) {}
    // The next line, valid as long as the store; only while lines remain.
    std::string_view next();

   private:
    const LineStore& store_;
    std::size_t block_ = 0;
    std::size_t offset_ = 0;
  };

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

  std::vector<std::string> blocks_;
  std::size_t count_ = 0;
};

}  // namespace hostfiles
