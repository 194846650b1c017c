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

std::unique_ptr<platform::FileLock> lockDataFolder(startup::ProgramState& state) {
  const std::string path = state.Datenpfad + kLockFileName;
  for (int attempt = 1;; ++attempt) {
    platform::LockAttempt taken = state.system->lockFile(path);
    if (taken.lock != nullptr) return std::move(taken.lock);
    if (!taken.heldElsewhere) {
      startup::Programm_beenden(state, hostfiles::texts::openFailure(state.Sprache, path, false));
    }
    if (attempt == kAttempts) break;
    state.system->pause(kPauseMilliseconds);
  }
  startup::notify(state, texts::dataFolderBusy(state.Sprache));
  return nullptr;
}

}  // namespace wizard
