#include "hostfiles/log_book.h"

#include "hostfiles/clock_texts.h"
#include "hostfiles/file_channel.h"
#include "startup/messages.h"

namespace hostfiles {

void Logbuch_ergänzen(startup::ProgramState& state, std::uint8_t Art, const std::string& Text) {
  startup::guarded(state, "modPersonallader - Logbuch_ergänzen", [&] {
    if (state.Logpfad.empty()) return;
    std::string entry = logTimeStamp(state.system->now()) + "|" + state.Benutzername + "|";
    if (Art == 2) entry += "ZentaAdmin|";
    entry += Text;
    // One file per month, named after the day the program started.
    const std::string file = state.Logpfad + state.Datum_heute.substr(0, 4) + " Zentavo.log";
    if (!Datei_oeffnen(state, file, Modus::Append, Fehlerbehandlung::IgnoreErrors)) return;
    LineOut(state, entry);
    Datei_schliessen(state);
  });
}

}  // namespace hostfiles
