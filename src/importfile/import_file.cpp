#include "importfile/import_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "hostfiles/file_channel.h"
#include "importfile/byte_scans.h"
#include "importfile/check_texts.h"
#include "importfile/quoted_fields.h"
#include "importfile/text_decoding.h"
#include "platform/codepage.h"
#include "startup/messages.h"

namespace importfile {

using startup::Context;
using startup::RunTimeError;

namespace {

// Row numbers and the character counters are 16-bit signed integers.
constexpr std::size_t kMaxCount = std::numeric_limits<std::int16_t>::max();

// A file beyond those counters: the user is told, the program goes on.
struct LimitExceeded {
  std::string (*text)(startup::Language, const std::string&);
};

void requireCountable(std::string_view line) {
  if (line.size() > kMaxCount) throw LimitExceeded{texts::lineTooLong};
}

std::nullopt_t failWith(const Context& context, const std::string& text) {
  startup::notify(context, text);
  return std::nullopt;
}

std::nullopt_t failWith(const Context& context, const std::string& Importdatei,
                        std::string (*text)(startup::Language, const std::string&)) {
  return failWith(context, text(context.language, startup::Name_zitieren(context, Importdatei)));
}

bool isHeader(std::string_view line) {
  const std::string lower = platform::lowerCase(line);
  return lower.find("name") != std::string::npos || lower.find("nom") != std::string::npos;
}

// The lines of the file that `record` spans: more than one only where a quoted
// field holds a line end, which counts as a spreadsheet counts it.
std::size_t linesIn(std::string_view record) {
  if (record.find('"') == std::string_view::npos) return 1;  // the common case
  std::size_t lines = 1;
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (record[i] == '\n' ||
        (record[i] == '\r' && (i + 1 == record.size() || record[i + 1] != '\n'))) {
      ++lines;
    }
  }
  return lines;
}

// What a header that starts the text took of it.
struct Header {
  std::size_t end = 0;         // the position of the first record after it
  std::size_t lines = 0;       // the lines of the file it spans
  std::size_t separators = 0;  // in its first record
  std::size_t swallowed = 0;   // the lines after its first record that hold text
};

// The header takes records until their separators add up to the threshold.
Header readHeader(startup::Language language, std::string_view text, char separator) {
  const std::size_t threshold = language == startup::Language::FR ? 9 : 8;
  Header header;
  std::size_t count = 0;
  do {
    const std::string_view record = nextRecord(text, header.end, separator);
    requireCountable(record);
    const std::size_t lines = linesIn(record);
    if (header.lines == 0) {
      header.separators = separatorsIn(record, separator);
    } else if (!record.empty()) {
      header.swallowed += lines;
    }
    header.lines += lines;
    count += separatorsIn(record, separator);
  } while (count < threshold && header.end < text.size());
  return header;
}

bool holdsSeparator(std::string_view record, char separator) {
  const std::size_t first = record.find(separator);
  if (first == std::string_view::npos) return false;
  // Before the first quote nothing is quoted.
  return record.substr(0, first).find('"') == std::string_view::npos ||
         separatorsIn(record, separator) > 0;
}

std::size_t lineCount(std::string_view text) {
  std::size_t count = 1;
  for (auto i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) ++count;
  return count;
}

// storeRows for a text without a quote from `position` on, where a record is
// a line: the rows are split as they are stored.
std::size_t storePlainRows(ImportData& data, std::span<char> text, std::size_t position,
                           std::size_t line) {
  const char separator = data.Trennzeichen_Import;
  const std::string_view whole(text.data(), text.size() - 1);
  std::size_t count = 0;
  for (; position < whole.size(); ++line) {
    const std::string_view record = hostfiles::nextLine(whole, position);
    std::array<std::size_t, kColumns> ends{};  // of the columns, from their separators
    const std::size_t separators = findAll(record, separator, ends);
    if (separators == 0) continue;  // empty lines as well
    if (count == kMaxCount) throw LimitExceeded{texts::tooManyRows};
    const bool textRow = record.starts_with('>');
    const std::size_t columns = textRow ? 1 : std::min(separators + 1, kColumns);
    if (separators < kColumns) ends[separators] = record.size();  // the closing separator
    const std::size_t start = static_cast<std::size_t>(record.data() - text.data());
    text[start + record.size()] = separator;
    data.rows.addSplitLine(
        start, record.size() + 1, std::span(ends).first(columns),
        !textRow && separators >= kColumns ? Split::kTooManyColumns : Split::kFits, line);
    ++count;
  }
  return count;
}

// Stores every record from `position`, which begins line `line` of the file,
// on that holds the separator as a data row; gives the number of rows. The
// records lie in `text`, where the line end after a record, or the byte after
// the text, becomes the separator that closes its last column.
std::size_t storeRows(ImportData& data, std::span<char> text, std::size_t position,
                      std::size_t line) {
  const char separator = data.Trennzeichen_Import;
  const std::string_view whole(text.data(), text.size() - 1);
  ImportRows& rows = data.rows;
  rows.reserve(std::min(lineCount(whole), kMaxCount));
  // Without a quote in the rows a record is a line: one scan tells.
  if (whole.find('"', position) == std::string_view::npos) {
    return storePlainRows(data, text, position, line);
  }
  std::size_t count = 0;
  while (position < whole.size()) {
    const std::string_view record = nextRecord(whole, position, separator);
    const std::size_t first = line;
    line += linesIn(record);
    if (!holdsSeparator(record, separator)) continue;  // empty lines as well
    if (count == kMaxCount) throw LimitExceeded{texts::tooManyRows};
    const std::size_t end = static_cast<std::size_t>(record.data() - text.data()) + record.size();
    text[end] = separator;
    rows.addLine(std::string_view(record.data(), record.size() + 1), first);
    ++count;
  }
  return count;
}

// The message for a file without a data row: a header that took the lines
// after it says so, as the likely cause.
std::string emptyFileText(const Context& context, const std::string& Importdatei, char separator,
                          const Header& header) {
  std::string text =
      texts::emptyFile(context.language, startup::Name_zitieren(context, Importdatei));
  if (header.swallowed == 0) return text;
  return text + startup::paragraph() +
         texts::headerSwallowed(context.language, separator, header.separators, header.swallowed);
}

// True when `text` is one empty line at most.
bool holdsNoLine(std::string_view text) {
  std::size_t position = 0;
  return text.empty() || (hostfiles::nextLine(text, position).empty() && position == text.size());
}

std::string decoded(std::string bytes) {
  switch (byteOrderMark(bytes)) {
    case Encoding::kUtf16LittleEndian:
    case Encoding::kUtf16BigEndian:
      return utf16ToCodePage(std::string_view(bytes).substr(2),
                             byteOrderMark(bytes) == Encoding::kUtf16BigEndian);
    case Encoding::kUtf8: {
      std::string text = utf8ToCodePage(bytes);
      return holdsNoLine(text) ? std::string() : text;
    }
    case Encoding::kCodePage:
      break;
  }
  if (looksLikeUtf8(bytes)) return utf8ToCodePage(bytes);
  return bytes;
}

// Reads `Importdatei` once, whole, and closes it again. A file written in
// UTF-8 or UTF-16 is decoded (see text_decoding.h); a file of nothing but a
// byte order mark, or one and a line end, has no text. A file
// that cannot be opened ends the program with the open-failure message; a
// read error raises a run-time error.
std::string readImportText(const Context& context, const std::string& Importdatei) {
  using namespace hostfiles;
  FileChannel channel;
  Datei_oeffnen(context, channel, Importdatei, Modus::Input, Fehlerbehandlung::ReportErrors);
  std::string bytes = channel.readRest();
  Datei_schliessen(channel);
  return decoded(std::move(bytes));
}

// The rows hold the text, with room for what the check keeps after it, and
// find their values by 32-bit offsets; no file of the rows that the counters
// take comes near this size.
constexpr std::size_t kMaxText = std::size_t{1} << 30;

std::span<char> holdImportText(const Context& context, const std::string& Importdatei,
                               ImportRows& rows) {
  const std::string text = readImportText(context, Importdatei);
  if (text.size() > kMaxText) throw LimitExceeded{texts::tooManyRows};
  return rows.holdText(text);
}

std::optional<ImportData> readRows(const Context& context, const std::string& Importdatei) {
  ImportData data;
  const std::span<char> text = holdImportText(context, Importdatei, data.rows);
  const std::string_view whole(text.data(), text.size() - 1);
  if (whole.empty()) return failWith(context, Importdatei, texts::emptyFile);
  const std::optional<char> separator = Trennzeichen(context, whole);
  if (!separator) return failWith(context, Importdatei, texts::noSeparator);
  data.Trennzeichen_Import = *separator;
  std::size_t position = 0;
  const std::string_view first = nextRecord(whole, position, *separator);
  const Header header =
      isHeader(first) ? readHeader(context.language, whole, *separator) : Header{};
  if (storeRows(data, text, header.end, header.lines + 1) == 0) {
    return failWith(context, emptyFileText(context, Importdatei, *separator, header));
  }
  return data;
}

}  // namespace

std::optional<char> Trennzeichen(const Context& context, std::string_view text) {
  return startup::guarded(context, "frmPersonallader - Trennzeichen", [&]() -> std::optional<char> {
    static constexpr std::array<char, 4> kCandidates = {',', ';', ':', '\t'};
    std::array<std::size_t, 4> counts{};
    for (std::size_t i = 0; i < kCandidates.size(); ++i) {
      std::size_t position = 0;
      const std::string_view record = nextRecord(text, position, kCandidates[i]);
      requireCountable(record);
      counts[i] = separatorsIn(record, kCandidates[i]);
    }
    const std::size_t largest = *std::max_element(counts.begin(), counts.end());
    if (largest == 0) return std::nullopt;
    // On a tie the later candidate wins.
    std::size_t last = 0;
    for (std::size_t i = 0; i < kCandidates.size(); ++i) {
      if (counts[i] == largest) last = i;
    }
    return kCandidates[last];
  });
}

std::optional<ImportData> Importdatei_lesen(const Context& context,
                                            const std::string& Importdatei) {
  try {
    return startup::guarded(context, "frmPersonallader - Importdatei_lesen",
                            [&] { return readRows(context, Importdatei); });
  } catch (const LimitExceeded& exceeded) {
    return failWith(context, Importdatei, exceeded.text);
  }
}

}  // namespace importfile
