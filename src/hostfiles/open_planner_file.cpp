#include "hostfiles/open_planner_file.h"

#include "hostfiles/planner_texts.h"
#include "startup/messages.h"

namespace hostfiles {

void openPlannerFile(const startup::Context& context, FileChannel& channel,
                     const std::string& path) {
  if (context.system->pathKind(path) != platform::PathKind::kNormalFile) {
    startup::Programm_beenden(context, texts::fileNotFound(context.Sprache, path));
  }
  Datei_oeffnen(context, channel, path, Modus::Input, Fehlerbehandlung::ReportErrors);
}

}  // namespace hostfiles
