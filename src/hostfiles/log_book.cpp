#include "hostfiles/log_book.h"

#include "hostfiles/file_channel.h"
#include "startup/formatting.h"
#include "startup/messages.h"

namespace hostfiles {

namespace {

// dd.mm.yy hh:nn:ss
std::string logTimeStamp(const platform::DateTime& time) {
  using startup::twoDigits;
  return twoDigits(time.day) + "." + twoDigits(time.month) + "." + twoDigits(time.year % 100) +
         " " + twoDigits(time.hour) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second);
}

}  // namespace

std::string logBookFile(const startup::Context& context, const std::string& logFolder) {
  return logFolder + context.Datum_heute.substr(0, 4) + " Zentavo.log";
}

bool Logbuch_ergänzen(const startup::Context& context, const std::string& logFolder,
                      std::uint8_t Art, const std::string& Text) {
  return startup::guarded(context, "modPersonallader - Logbuch_ergänzen", [&] {
    if (logFolder.empty()) return true;
    std::string entry = logTimeStamp(context.system->now()) + "|" + context.Benutzername + "|";
    if (Art == 2) entry += "ZentaAdmin|";
    entry += Text;
    // The entry goes out in one write, at the close, which the file takes
    // whole or not at all.
    FileChannel channel;
    if (!channel.open(*context.system, logBookFile(context, logFolder), Modus::Append)) {
      return false;
    }
    try {
      scrambledLine(channel, *context.system, entry);
      channel.close();
    } catch (const startup::RunTimeError&) {
      return false;
    }
    return true;
  });
}

}  // namespace hostfiles
