#include "wizard/data_folder_lock.h"

#include "hostfiles/planner_texts.h"
#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace wizard {

namespace {

// Hidden, and matched by none of the planner's patterns ("*.dat", "*.log"), so
// that no backup saves it.
constexpr const char* kLockFileName = ".personallader.lock";

constexpr unsigned kPauseMilliseconds = 250;
constexpr int kAttempts = 20;  // about five seconds

}  // namespace

std::unique_ptr<platform::FileLock> lockDataFolder(const startup::Context& context,
                                                   const std::string& dataFolder) {
  const std::string path = dataFolder + kLockFileName;
  for (int attempt = 1;; ++attempt) {
    platform::LockAttempt taken = context.system->lockFile(path);
    if (taken.lock != nullptr) return std::move(taken.lock);
    if (!taken.heldElsewhere) {
      startup::Programm_beenden(context,
                                hostfiles::texts::openFailure(context.Sprache, path, false));
    }
    if (attempt == kAttempts) break;
    context.system->pause(kPauseMilliseconds);
  }
  startup::notify(context, texts::dataFolderBusy(context.Sprache));
  return nullptr;
}

}  // namespace wizard
