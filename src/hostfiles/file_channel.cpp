#include "hostfiles/file_channel.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "hostfiles/planner_texts.h"
#include "hostfiles/scrambled_line.h"
#include "startup/messages.h"
#include "startup/run_time_error.h"

namespace hostfiles {

using startup::RunTimeError;

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

bool FileChannel::open(platform::System& system, const std::string& path, Modus mode) {
  if (isOpen()) return false;
  switch (mode) {
    case Modus::Input:
      input_ = system.openRead(path);
      break;
    case Modus::Output:
      output_ = system.openReplace(path);
      break;
    case Modus::OutputNew:
      output_ = system.openCreate(path);
      break;
    case Modus::Append:
      output_ = system.openAppend(path);
      break;
  }
  mode_ = mode;
  buffer_.clear();
  read_.reset();
  capacity_ = 0;
  filled_ = 0;
  position_ = 0;
  fileRead_ = 0;
  exhausted_ = false;
  return isOpen();
}

void FileChannel::requireMode(Modus mode) const {
  if (!isOpen()) throw RunTimeError(startup::kBadFileNameOrNumber);
  if (mode_ != mode) throw RunTimeError(startup::kBadFileMode);
}

// Linear in the file's size however small the pieces that the source gives:
// the bytes left are moved to the front at most once per line, and the
// buffer only grows when it is full, to twice its size.
bool FileChannel::fill() {
  if (exhausted_) return false;
  if (position_ > 0) {
    std::memmove(read_.get(), read_.get() + position_, filled_ - position_);
    filled_ -= position_;
    position_ = 0;
  }
  if (filled_ == capacity_) {
    capacity_ = std::max(kBufferSize, 2 * capacity_);
    std::unique_ptr<char[]> larger(new char[capacity_]);
    if (filled_ > 0) std::memcpy(larger.get(), read_.get(), filled_);
    read_ = std::move(larger);
  }
  const std::size_t got = readInto(read_.get() + filled_, capacity_ - filled_);
  filled_ += got;
  return got > 0;
}

std::string_view FileChannel::unread() const {
  return std::string_view(read_.get() + position_, filled_ - position_);
}

bool FileChannel::atEnd() {
  requireMode(Modus::Input);
  return position_ == filled_ && !fill();
}

namespace {

// The first CR or LF in [from, to), or `to`.
const char* findLineEnd(const char* from, const char* to) {
  const void* lf = std::memchr(from, '\n', static_cast<std::size_t>(to - from));
  const char* stop = lf != nullptr ? static_cast<const char*>(lf) : to;
  const void* cr = std::memchr(from, '\r', static_cast<std::size_t>(stop - from));
  return cr != nullptr ? static_cast<const char*>(cr) : stop;
}

// The `length` bytes of `text` from `position` on, which a line end or the
// text's end follows, and `position` moved past them and that line end.
std::string_view takeLine(std::string_view text, std::size_t& position, std::size_t length) {
  const std::string_view line(text.data() + position, length);
  position += length;
  if (position < text.size()) {
    const char ending = text[position++];
    if (ending == '\r' && position < text.size() && text[position] == '\n') ++position;
  }
  return line;
}

}  // namespace

std::string_view nextLine(std::string_view text, std::size_t& position) {
  const char* start = text.data() + position;
  const char* end = text.data() + text.size();
  return takeLine(text, position, static_cast<std::size_t>(findLineEnd(start, end) - start));
}

std::string_view FileChannel::readLine() {
  if (atEnd()) throw RunTimeError(startup::kInputPastEndOfFile);
  std::size_t length = 0;  // bytes from position_ on known to hold no line end
  for (;;) {
    const std::string_view rest = unread();
    const char* stop = findLineEnd(rest.data() + length, rest.data() + rest.size());
    length = static_cast<std::size_t>(stop - rest.data());
    // A CR as the last byte read may be the first half of CR LF: read on.
    const bool undecided = length == rest.size() || (*stop == '\r' && length + 1 == rest.size());
    if (!undecided || !fill()) break;  // fill() moves the buffer but keeps position_ on the line
  }
  return takeLine(std::string_view(read_.get(), filled_), position_, length);
}

std::span<char> FileChannel::readLineInPlace() {
  const std::string_view line = readLine();
  return {read_.get() + (line.data() - read_.get()), line.size()};
}

std::string_view FileChannel::readPiece() {
  if (atEnd()) return {};
  const std::string_view piece = unread();
  position_ = filled_;
  return piece;
}

// The rest goes straight into a text of the size that the file gives, so
// that nothing is held twice. A file that grew meanwhile is read on, the text
// growing as it fills; one that shrank ends early.
std::string FileChannel::readRest() {
  requireMode(Modus::Input);
  const std::uint64_t size = input_->size().value_or(0);
  std::size_t length = unread().size();
  std::string rest;
  rest.reserve(length + (size > fileRead_ ? static_cast<std::size_t>(size - fileRead_) : 0));
  rest.append(unread());
  rest.resize(rest.capacity());
  while (!exhausted_) {
    if (length == rest.size()) {
      char probe[1];  // whether anything follows, before the text grows for it
      if (readInto(probe, 1) == 0) break;
      rest.resize(std::max(2 * length, length + kBufferSize));
      rest[length++] = probe[0];
    }
    length += readInto(rest.data() + length, rest.size() - length);
  }
  rest.resize(length);
  position_ = filled_ = 0;
  return rest;
}

std::size_t FileChannel::readInto(char* bytes, std::size_t size) {
  const auto got = input_->read(bytes, size);
  if (!got) throw RunTimeError(startup::kDeviceIoError);
  fileRead_ += *got;
  exhausted_ = *got == 0;
  return *got;
}

void FileChannel::writeLine(std::string_view bytes) {
  beginLine().append(bytes);
  endLine();
}

std::string& FileChannel::beginLine() {
  requireMode(mode_ == Modus::Input ? Modus::Output : mode_);  // any mode that writes
  return buffer_;
}

void FileChannel::endLine() {
  buffer_.append("\r\n");
  if (buffer_.size() >= kBufferSize) flush();
}

namespace {

// A full disk is named as such; any other failure by the error of its kind.
void require(platform::WriteResult result, int otherwise) {
  if (result == platform::WriteResult::kDiskFull) throw RunTimeError(startup::kDiskFull);
  if (result == platform::WriteResult::kNameTaken) throw RunTimeError(startup::kFileAlreadyExists);
  if (result != platform::WriteResult::kDone) throw RunTimeError(otherwise);
}

}  // namespace

void FileChannel::flush() {
  const platform::WriteResult written = output_->write(buffer_.data(), buffer_.size());
  buffer_.clear();
  require(written, startup::kDeviceIoError);
}

void FileChannel::close() {
  if (output_ != nullptr) {
    try {
      flush();
      require(output_->commit(), startup::kPathFileAccessError);
    } catch (...) {
      abandon();
      throw;
    }
  }
  abandon();
}

void FileChannel::abandon() noexcept {
  input_.reset();
  output_.reset();
  buffer_.clear();
  buffer_.shrink_to_fit();
  read_.reset();
  capacity_ = 0;
  filled_ = 0;
  position_ = 0;
  fileRead_ = 0;
  exhausted_ = false;
}

bool Datei_oeffnen(const startup::Context& context, FileChannel& channel,
                   const std::string& Dateiname, Modus mode, Fehlerbehandlung errors) {
  if (channel.open(*context.system, Dateiname, mode)) return true;
  channel.abandon();
  if (errors == Fehlerbehandlung::IgnoreErrors) return false;
  startup::Programm_beenden(context,
                            texts::openFailure(context.language, Dateiname, mode == Modus::Input));
}

void openPlannerFile(const startup::Context& context, FileChannel& channel,
                     const std::string& path) {
  if (context.system->pathKind(path) != platform::PathKind::kNormalFile) {
    startup::Programm_beenden(context, texts::fileNotFound(context.language, path));
  }
  Datei_oeffnen(context, channel, path, Modus::Input, Fehlerbehandlung::ReportErrors);
}

void Datei_schliessen(FileChannel& channel) { channel.close(); }

std::string unscrambledLine(FileChannel& channel) {
  std::string text;
  unscrambledLine(channel, text);
  return text;
}

std::string_view scrambledLineIn(FileChannel& channel) {
  const std::string_view line = channel.readLine();
  if (line.size() > kMaxLineLength) throw RunTimeError(startup::kOverflow);
  if (line.empty()) throw RunTimeError(startup::kInvalidProcedureCall);
  return line;
}

void unscrambledLine(FileChannel& channel, std::string& text) {
  decodeLine(scrambledLineIn(channel), text);
}

std::string LineIn(const startup::Context& context, FileChannel& channel) {
  std::string Text;
  LineIn(context, channel, Text);
  return Text;
}

namespace {

// Reports a run-time error of `body`, with the channel closed first: the
// output written so far is gone before the user reads why the program ends.
template <typename Body>
void reported(const startup::Context& context, std::string_view where, FileChannel& channel,
              Body&& body) {
  startup::guarded(context, where, [&] {
    try {
      body();
    } catch (...) {
      channel.abandon();
      throw;
    }
  });
}

}  // namespace

void LineIn(const startup::Context& context, FileChannel& channel, std::string& Text) {
  reported(context, "modPersonallader - LineIn", channel, [&] { unscrambledLine(channel, Text); });
}

std::string_view unscrambledLineInPlace(FileChannel& channel) {
  const std::span<char> line = channel.readLineInPlace();
  if (line.size() > kMaxLineLength) throw RunTimeError(startup::kOverflow);
  if (line.empty()) throw RunTimeError(startup::kInvalidProcedureCall);
  return decodeLineInPlace(line);
}

void scrambledLine(FileChannel& channel, platform::System& system, std::string_view text) {
  // Only a text near the limit can give a line beyond it.
  if (text.size() >= kMaxLineLength && encodedLength(text) > kMaxLineLength) {
    throw RunTimeError(startup::kOverflow);
  }
  const unsigned char key = keyFromRandom(system.random());
  appendEncodedLine(channel.beginLine(), key, text);
  channel.endLine();
}

void LineOut(const startup::Context& context, FileChannel& channel, std::string_view Text) {
  reported(context, "modPersonallader - LineOut", channel,
           [&] { scrambledLine(channel, *context.system, Text); });
}

void copiedLineOut(const startup::Context& context, FileChannel& channel,
                   std::string_view scrambled) {
  reported(context, "modPersonallader - LineOut", channel, [&] {
    const unsigned char key = keyFromRandom(context.system->random());
    std::string& line = channel.beginLine();
    const std::size_t at = line.size();
    line.resize(at + scrambled.size());
    rekeyLine(scrambled.data(), scrambled.size(), key, line.data() + at);
    channel.endLine();
  });
}

}  // namespace hostfiles
