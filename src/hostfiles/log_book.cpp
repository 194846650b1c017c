#include "hostfiles/log_book.h"

#include "hostfiles/clock_texts.h"
#include "hostfiles/file_channel.h"
#include "startup/messages.h"

namespace hostfiles {

std::string logBookFile(const startup::ProgramState& state) {
  return state.Logpfad + state.Datum_heute.substr(0, 4) + " Zentavo.log";
}

bool Logbuch_ergänzen(startup::ProgramState& state, std::uint8_t Art, const std::string& Text) {
  return startup::guarded(state, "modPersonallader - Logbuch_ergänzen", [&] {
    if (state.Logpfad.empty()) return true;
    std::string entry = logTimeStamp(state.system->now()) + "|" + state.Benutzername + "|";
    if (Art == 2) entry += "ZentaAdmin|";
    entry += Text;
    // The entry goes out in one write, at the close, which the file takes
    // whole or not at all.
    FileChannel channel;
    if (!channel.open(*state.system, logBookFile(state), Modus::Append)) return false;
    try {
      scrambledLine(channel, *state.system, entry);
      channel.close();
    } catch (const startup::RunTimeError&) {
      return false;
    }
    return true;
  });
}

}  // namespace hostfiles
