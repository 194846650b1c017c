#include "wizard/program_state.h"

#include <utility>

#include "hostfiles/installation_settings.h"
#include "startup/main.h"

namespace wizard {

void startProgram(ProgramState& state) {
  hostfiles::PlannerFolders folders = hostfiles::Pfade_lesen(state, startup::Main(state));
  state.Datenpfad = std::move(folders.data);
  state.Logpfad = std::move(folders.log);
}

}  // namespace wizard
