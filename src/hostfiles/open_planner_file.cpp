#include "hostfiles/open_planner_file.h"

#include "hostfiles/file_channel.h"
#include "hostfiles/planner_texts.h"
#include "startup/messages.h"

namespace hostfiles {

void openPlannerFile(startup::ProgramState& state, const std::string& path) {
  if (state.system->pathKind(path) != platform::PathKind::kNormalFile) {
    startup::Programm_beenden(state, texts::fileNotFound(state.Sprache, path));
  }
  Datei_oeffnen(state, path, Modus::Input, Fehlerbehandlung::ReportErrors);
}

}  // namespace hostfiles
