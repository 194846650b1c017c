// Files on Windows; paths are UTF-16.
#pragma once

#include <memory>
#include <string>

#include "platform/system.h"

namespace platform {

std::unique_ptr<ReadFile> openWin32Read(const std::wstring& path);
std::unique_ptr<WriteFile> openWin32Replace(const std::wstring& path);
std::unique_ptr<WriteFile> openWin32Append(const std::wstring& path);
std::unique_ptr<WriteFile> openWin32Create(const std::wstring& path);
LockAttempt lockWin32File(const std::wstring& path);
// `folder` (ending with "\\") as System::removeStaleTemporaries takes it.
void removeWin32StaleTemporaries(const std::wstring& folder, const std::string& pattern);

}  // namespace platform
