// What the values of the date and number columns stand for, read once for
// the many rows that repeat them and kept for the rows to view.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "importfile/import_row.h"
#include "startup/context.h"
#include "startup/dates.h"
#include "startup/formatting.h"
#include "startup/numbers.h"

namespace importfile {

// The bits that number the slots of a table for the values of `rows` rows, at
// most `most`: a small file clears a small table.
inline int slotBitsFor(std::size_t rows, int most) {
  return std::clamp(static_cast<int>(std::bit_width(rows)), 6, most);
}

// What a value stands for: whether it could be read, and the form that the
// import writes for it, readable or not.
template <std::size_t Size>
struct Reading {
  bool valid = false;
  alignas(std::uint64_t) std::array<char, Size> form{};  // loaded whole as a key
};

// The copies of forms of `Size` characters that the rows view, one for many
// rows: a form takes the slot of its hash, from whatever form held it before.
// A form's characters, packed into a number, are its key; a form holds
// digits, so no key is 0, the empty slot's.
template <std::size_t Size>
class KeptForms {
  static_assert(Size <= sizeof(std::uint64_t));

 public:
  KeptForms(ImportRows& rows, int slotBits)
      : rows_(rows), shift_(64 - slotBits), slots_(std::size_t{1} << slotBits) {}

  std::string_view keep(const std::array<char, Size>& form) {
    std::uint64_t key = 0;
    std::memcpy(&key, form.data(), Size);
    Slot& slot = slots_[(key * 0x9E3779B97F4A7C15u) >> shift_];
    if (slot.key != key) slot = {key, rows_.keep({form.data(), Size})};
    return slot.text;
  }

 private:
  struct Slot {
    std::uint64_t key = 0;
    std::string_view text;
  };

  ImportRows& rows_;
  int shift_;
  std::vector<Slot> slots_;
};

// A text of up to 15 characters as the key of its slot, in two words: its
// characters, each in its place, and its length in the top byte. Loads of a
// fixed size that overlap put them there without a call of memcpy.
class TextKey {
  static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");

 public:
  static constexpr std::size_t kMaxLength = 15;

  // The key of no text, for a slot that holds none.
  TextKey() = default;

  explicit TextKey(std::string_view text) {
    const char* const p = text.data();
    const std::size_t n = text.size();
    if (n > 8) {
      first_ = load<std::uint64_t>(p);
      second_ = load<std::uint64_t>(p + n - 8) >> 8 * (16 - n);  // without characters 0 to 7
    } else if (n >= 4) {
      first_ = load<std::uint32_t>(p) | load<std::uint32_t>(p + n - 4) << 8 * (n - 4);
      second_ = 0;
    } else {
      first_ =
          n == 0 ? 0 : byte(p[0]) | byte(p[n / 2]) << 8 * (n / 2) | byte(p[n - 1]) << 8 * (n - 1);
      second_ = 0;
    }
    second_ |= std::uint64_t{n} << 56;
  }

  bool operator==(const TextKey& other) const = default;
  std::uint64_t hash() const {
    return (first_ ^ second_ * 0xC2B2AE3D27D4EB4Fu) * 0x9E3779B97F4A7C15u;
  }

 private:
  template <typename Word>
  static std::uint64_t load(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
  }
  static std::uint64_t byte(char c) { return static_cast<unsigned char>(c); }

  std::uint64_t first_ = ~std::uint64_t{0};
  std::uint64_t second_ = ~std::uint64_t{0};  // no length has this top byte
};

// The readings of the values of one kind, their forms kept for the rows to
// view in at most 2^KeptBits slots. Values recur, in a column and across columns: a
// value of up to 15 characters takes the slot of its hash, from whatever value
// held it before, and is read again only when it has lost its slot.
template <std::size_t Size, int KeptBits>
class Readings {
 public:
  struct Result {
    bool valid = false;
    std::string_view form;
  };

  explicit Readings(ImportRows& rows)
      : forms_(rows, slotBitsFor(rows.size(), KeptBits)),
        shift_(64 - slotBitsFor(rows.size(), kSlotBits)),
        slots_(std::size_t{1} << (64 - shift_)) {}

  // The result for `value`, from `read` unless the value is in its slot.
  template <typename Read>
  Result get(std::string_view value, Read read) {
    if (value.size() > TextKey::kMaxLength) return fresh(value, read);
    const TextKey key(value);
    Slot& slot = slots_[key.hash() >> shift_];
    if (!(slot.key == key)) slot = {key, fresh(value, read)};
    return slot.result;
  }

 private:
  static constexpr int kSlotBits = 10;
  struct Slot {
    TextKey key;
    Result result;
  };

  template <typename Read>
  Result fresh(std::string_view value, Read read) {
    const Reading<Size> reading = read(value);
    return {reading.valid, forms_.keep(reading.form)};
  }

  KeptForms<Size> forms_;
  int shift_;
  std::vector<Slot> slots_;
};

// What the values of the date and number columns stand for, read straight
// from their texts where they have the forms that users type most.
class ReadValues {
  // A file holds thousands of different dates: their stamps, each kept once
  // for the many rows that view it, take a larger table.
  using Stamps = Readings<6, 13>;
  using Numbers = Readings<5, 10>;

 public:
  ReadValues(const startup::Context& context, ImportRows& rows)
      : context_(context),
        stamps_(rows),
        numbers_(rows),
        plainForms_(
            rows.keep({startup::kPlainNumberForms.data(), startup::kPlainNumberForms.size()})) {}

  // The date stamp of `value`; not valid for a text that is no date.
  Stamps::Result stamp(std::string_view value) {
    return stamps_.get(value, [this](std::string_view text) {
      Reading<6> reading{true, {}};
      if (startup::readTenCharacterDate(text, context_.region, reading.form)) return reading;
      const auto date = startup::readDate(text, context_.region);
      if (!date) return Reading<6>{false, {'0', '0', '0', '0', '0', '0'}};
      return Reading<6>{true, startup::dateStamp(date->year, date->month, date->day)};
    });
  }

  // The number form of `value`. The forms typed most view the rows' one copy
  // of a text that holds them all, quicker than their slot would be found.
  Numbers::Result number(std::string_view value) {
    if (const auto form = startup::plainNumberForm(value, context_.region, plainForms_);
        !form.empty()) {
      return {true, form};
    }
    return numbers_.get(value, [this](std::string_view text) {
      Reading<5> reading;
      const auto form = startup::shortNumberForm(text, context_.region);
      // The empty value counts as a number.
      reading.valid = form || text.empty() || startup::readNumber(text, context_.region);
      if (form) reading.form = *form;
      if (!form) startup::formatNumberGenerally(context_, text).copy(reading.form.data(), 5);
      // Zahl_formatieren with "." replaced by ",", where the decimal separator stands.
      if (reading.form[3] == '.') reading.form[3] = ',';
      return reading;
    });
  }

 private:
  const startup::Context& context_;
  Stamps stamps_;
  Numbers numbers_;
  std::string_view plainForms_;
};

}  // namespace importfile
