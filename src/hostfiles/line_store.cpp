#include "hostfiles/line_store.h"

#include "hostfiles/scrambled_line.h"
#include "startup/run_time_error.h"

namespace hostfiles {

namespace {

constexpr std::size_t kLengthBytes = 2;
static_assert(kMaxLineLength < (1u << (8 * kLengthBytes)));

}  // namespace

void LineStore::append(std::string_view line) {
  if (line.size() > kMaxLineLength) throw startup::RunTimeError(startup::kOverflow);
  const std::size_t needed = kLengthBytes + line.size();
  if (blocks_.empty() || blocks_.back().size() + needed > kBlockSize) {
    blocks_.emplace_back().reserve(kBlockSize);
  }
  std::string& block = blocks_.back();
  block += static_cast<char>(line.size() & 0xFF);
  block += static_cast<char>(line.size() >> 8);
  block += line;
  ++count_;
}

std::string_view LineStore::Reader::next() {
  if (offset_ == store_.blocks_[block_].size()) {
    ++block_;
    offset_ = 0;
  }
  const std::string& block = store_.blocks_[block_];
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(block[at]); };
  const std::size_t length = byte(offset_) | std::size_t{byte(offset_ + 1)} << 8;
  const std::string_view line(block.data() + offset_ + kLengthBytes, length);
  offset_ += kLengthBytes + length;
  return line;
}

}  // namespace hostfiles
