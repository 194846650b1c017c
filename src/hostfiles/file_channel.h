// A file opened for reading or writing line by line: each unit that reads or
// writes a file opens a channel of its own.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace startup {
struct Context;
}

namespace hostfiles {

// OutputNew writes as Output does, but its close() never replaces a file: a
// name taken by then raises kFileAlreadyExists, and the output is dropped.
enum class Modus { Input, Output, OutputNew, Append };
enum class Fehlerbehandlung { ReportErrors, IgnoreErrors };

// Reads lines ended by CR LF, LF or CR; writes lines ended by CR LF. "Output"
// goes to a temporary file that replaces the target only when close() completes
// it; abandon() (and the destructor) leave the old file as it was.
class FileChannel {
 public:
  FileChannel() = default;
  FileChannel(const FileChannel&) = delete;
  FileChannel& operator=(const FileChannel&) = delete;
  ~FileChannel() { abandon(); }

  // False when the channel is in use or the file cannot be opened.
  bool open(platform::System& system, const std::string& path, Modus mode);
  bool isOpen() const { return input_ != nullptr || output_ != nullptr; }

  // True when no line is left to read. Raises a run-time error unless open for input.
  bool atEnd();
  // The next line as it stands, without its line end; valid until the next call.
  std::string_view readLine();
  // The same in the channel's buffer, for a reader that changes it in place.
  std::span<char> readLineInPlace();
  // The bytes not read yet as they stand, taken; empty only at the end: for
  // a reader that scans the file whole.
  std::string_view readPiece();
  // Everything not read yet, in one piece: a reader that needs the whole file
  // reads it once.
  std::string readRest();
  // Writes `bytes` followed by CR LF.
  void writeLine(std::string_view bytes);
  // Writing a line in place: append its bytes to the buffer that beginLine()
  // gives, then call endLine(), which adds CR LF.
  std::string& beginLine();
  void endLine();

  // Completes the file; raises a run-time error, with the old file kept, when
  // the new one cannot be completed. Closing a closed channel is harmless.
  void close();
  // Closes without completing: output written so far is dropped.
  void abandon() noexcept;

 private:
  // Raises a run-time error unless the channel is open in `mode`.
  void requireMode(Modus mode) const;
  // Reads more of the file behind what is left from position_ on.
  bool fill();
  // Reads up to `size` bytes of the file into `bytes`; raises a run-time error
  // when the read fails.
  std::size_t readInto(char* bytes, std::size_t size);
  // The bytes read and not yet taken.
  std::string_view unread() const;
  void flush();

  Modus mode_ = Modus::Input;
  std::unique_ptr<platform::ReadFile> input_;
  std::unique_ptr<platform::WriteFile> output_;
  // Input: the bytes read are [0, filled_) of `read_`, taken up to position_.
  // Not a string, which would set every byte of it before the file does.
  std::unique_ptr<char[]> read_;
  std::size_t capacity_ = 0;
  std::string buffer_;  // output: what is written and not flushed yet
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  std::uint64_t fileRead_ = 0;  // the bytes that the file gave so far
  bool exhausted_ = false;
};

// The line of `text` that starts at `position`, without its line end (CR LF,
// LF or CR, the rule of every file read), and `position` moved past that end.
// No line follows a final line end.
std::string_view nextLine(std::string_view text, std::size_t& position);

// Reads the next line of `channel` and unscrambles it in the channel's buffer,
// without a copy: valid until the next read. Raises a run-time error for an
// empty line or one too long for the planner.
std::string_view unscrambledLineInPlace(FileChannel& channel);

// Opens `Dateiname` on `channel`. On failure the channel is closed; with
// IgnoreErrors the result is false, otherwise the program ends with the
// open-failure message.
bool Datei_oeffnen(const startup::Context& context, FileChannel& channel,
                   const std::string& Dateiname, Modus mode, Fehlerbehandlung errors);
// Opens the planner file `path` for reading on `channel`; ends the program
// with the not-found message unless it is a plain file (hidden and system
// files don't count).
void openPlannerFile(const startup::Context& context, FileChannel& channel,
                     const std::string& path);
// Completes and closes the file; run-time errors go to the caller.
void Datei_schliessen(FileChannel& channel);
// The next line of `channel` as it stands, key character included; valid
// until the next read. Raises a run-time error for an empty line or one too
// long for the planner.
std::string_view scrambledLineIn(FileChannel& channel);
// Reads the next line of `channel` as scrambledLineIn() does and unscrambles it.
std::string unscrambledLine(FileChannel& channel);
// The same into `text`, whose memory is used again.
void unscrambledLine(FileChannel& channel, std::string& text);
// Scrambles `text` with a new random key and writes it on `channel` as one
// line; run-time errors go to the caller.
void scrambledLine(FileChannel& channel, platform::System& system, std::string_view text);
// The same, with a run-time error reported, which ends the program.
std::string LineIn(const startup::Context& context, FileChannel& channel);
void LineIn(const startup::Context& context, FileChannel& channel, std::string& Text);
void LineOut(const startup::Context& context, FileChannel& channel, std::string_view Text);
// Writes the line `scrambled`, as scrambledLineIn() gave it, on `channel`
// under a new random key: what LineOut() of its plain text writes.
void copiedLineOut(const startup::Context& context, FileChannel& channel,
                   std::string_view scrambled);

}  // namespace hostfiles
