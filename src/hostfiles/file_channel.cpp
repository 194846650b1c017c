#include "hostfiles/file_channel.h"

#include <cstring>

#include "hostfiles/planner_texts.h"
#include "hostfiles/scrambled_line.h"
#include "startup/messages.h"
#include "startup/program_state.h"
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
    case Modus::Append:
      output_ = system.openAppend(path);
      break;
  }
  mode_ = mode;
  buffer_.clear();
  position_ = 0;
  exhausted_ = false;
  return isOpen();
}

void FileChannel::requireMode(Modus mode) const {
  if (!isOpen()) throw RunTimeError(startup::kBadFileNameOrNumber);
  if (mode_ != mode) throw RunTimeError(startup::kBadFileMode);
}

bool FileChannel::fill() {
  if (exhausted_) return false;
  buffer_.erase(0, position_);
  position_ = 0;
  const std::size_t kept = buffer_.size();
  buffer_.resize(kept + kBufferSize);
  const auto got = input_->read(buffer_.data() + kept, kBufferSize);
  if (!got) throw RunTimeError(startup::kDeviceIoError);
  buffer_.resize(kept + *got);
  exhausted_ = *got == 0;
  return *got > 0;
}

bool FileChannel::atEnd() {
  requireMode(Modus::Input);
  return position_ == buffer_.size() && !fill();
}

namespace {

// The first CR or LF in [from, to), or `to`.
const char* findLineEnd(const char* from, const char* to) {
  const void* lf = std::memchr(from, '\n', static_cast<std::size_t>(to - from));
  const char* stop = lf != nullptr ? static_cast<const char*>(lf) : to;
  const void* cr = std::memchr(from, '\r', static_cast<std::size_t>(stop - from));
  return cr != nullptr ? static_cast<const char*>(cr) : stop;
}

}  // namespace

std::string_view FileChannel::readLine() {
  if (atEnd()) throw RunTimeError(startup::kInputPastEndOfFile);
  std::size_t length = 0;  // bytes from position_ on known to hold no line end
  for (;;) {
    const char* start = buffer_.data() + position_;
    const char* end = buffer_.data() + buffer_.size();
    const char* stop = findLineEnd(start + length, end);
    length = static_cast<std::size_t>(stop - start);
    // A CR as the last byte read may be the first half of CR LF: read on.
    const bool undecided = stop == end || (*stop == '\r' && stop + 1 == end);
    if (!undecided || !fill()) break;  // fill() moves the buffer but keeps position_ on the line
  }
  const std::string_view line(buffer_.data() + position_, length);
  position_ += length;
  if (position_ < buffer_.size()) {
    const char ending = buffer_[position_++];
    if (ending == '\r' && position_ < buffer_.size() && buffer_[position_] == '\n') ++position_;
  }
  return line;
}

void FileChannel::writeLine(std::string_view bytes) {
  beginLine().append(bytes);
  endLine();
}

std::string& FileChannel::beginLine() {
  requireMode(mode_ == Modus::Append ? Modus::Append : Modus::Output);
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
  position_ = 0;
  exhausted_ = false;
}

bool Datei_oeffnen(startup::ProgramState& state, const std::string& Dateiname, Modus mode,
                   Fehlerbehandlung errors) {
  if (state.Datei1.open(*state.system, Dateiname, mode)) return true;
  state.Datei1.abandon();
  if (errors == Fehlerbehandlung::IgnoreErrors) return false;
  startup::Programm_beenden(state,
                            texts::openFailure(state.Sprache, Dateiname, mode == Modus::Input));
}

void Datei_schliessen(startup::ProgramState& state) { state.Datei1.close(); }

std::string unscrambledLine(FileChannel& channel) {
  const std::string_view line = channel.readLine();
  if (line.size() > kMaxLineLength) throw RunTimeError(startup::kOverflow);
  if (line.empty()) throw RunTimeError(startup::kInvalidProcedureCall);
  return decodeLine(line);
}

std::optional<std::vector<std::string>> readUnscrambled(platform::System& system,
                                                        const std::string& path) {
  FileChannel channel;
  if (system.pathKind(path) != platform::PathKind::kNormalFile ||
      !channel.open(system, path, Modus::Input)) {
    return std::nullopt;
  }
  std::vector<std::string> lines;
  try {
    while (!channel.atEnd()) lines.push_back(unscrambledLine(channel));
  } catch (const RunTimeError&) {
    return std::nullopt;
  }
  return lines;
}

std::string LineIn(startup::ProgramState& state) {
  return startup::guarded(state, "modPersonallader - LineIn",
                          [&] { return unscrambledLine(state.Datei1); });
}

void LineOut(startup::ProgramState& state, std::string_view Text) {
  startup::guarded(state, "modPersonallader - LineOut", [&] {
    // Only a text near the limit can give a line beyond it.
    if (Text.size() >= kMaxLineLength && encodedLength(Text) > kMaxLineLength) {
      throw RunTimeError(startup::kOverflow);
    }
    const unsigned char key = keyFromRandom(state.system->random());
    appendEncodedLine(state.Datei1.beginLine(), key, Text);
    state.Datei1.endLine();
  });
}

}  // namespace hostfiles
