// Run-time errors: what a routine raises when something fails that it does not
// handle itself. The procedure's error handler (guarded(), messages.h) turns it
// into the uniform error report.
#pragma once

namespace startup {

// The numbers of the classic run-time errors that the program raises.
enum ErrorNumber : int {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kOutOfMemory = 7,
  kSubscriptOutOfRange = 9,
  kTypeMismatch = 13,
  kBadFileNameOrNumber = 52,
  kFileNotFound = 53,
  kBadFileMode = 54,
  kFileAlreadyOpen = 55,
  kDeviceIoError = 57,
  kFileAlreadyExists = 58,
  kDiskFull = 61,
  kInputPastEndOfFile = 62,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
};

class RunTimeError {
 public:
  explicit RunTimeError(int number) : number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

}  // namespace startup
