// Files on POSIX systems; paths are in the file system's own encoding.
#pragma once

#include <memory>
#include <string>

#include "platform/system.h"

namespace platform {

std::unique_ptr<ReadFile> openPosixRead(const std::string& path);
std::unique_ptr<WriteFile> openPosixReplace(const std::string& path);
std::unique_ptr<WriteFile> openPosixAppend(const std::string& path);
std::unique_ptr<WriteFile> openPosixCreate(const std::string& path);
LockAttempt lockPosixFile(const std::string& path);
// `folder` (native, ending with "/") as System::removeStaleTemporaries takes it.
void removePosixStaleTemporaries(const std::string& folder, const std::string& pattern);

}  // namespace platform
