// Notices, fatal messages and error reports, and how the program ends.
#pragma once

#include <new>
#include <string>
#include <string_view>

#include "startup/context.h"
#include "startup/run_time_error.h"

namespace startup {

// Thrown to end the program; it unwinds to the front-end, which exits with
// `status`. The core never catches it.
struct ProgramEnd {
  int status;
};
inline constexpr int kFatalExitStatus = 3;

// Beeps and shows `text` with an OK button.
void Meldung_anzeigen(const Context& context, const std::string& text);
// Shows `text` as Meldung_anzeigen does, unless the language has no texts.
void notify(const Context& context, const std::string& text);
// Asks `question` before existing data are overwritten; without texts of its
// language it counts as answered Yes.
bool overwriteConfirmed(const Context& context, const std::string& question);
// Shows `text` + "." and the closing line, then ends the program.
[[noreturn]] void Programm_beenden(const Context& context, const std::string& text);
// Reports `error` for the procedure named by `context` (a UTF-8 literal such as
// "modPersonallader - LineIn"), then ends the program.
[[noreturn]] void Fehler_melden(const Context& context, std::string_view where,
                                const RunTimeError& error);
// `name` in the quotation marks of the language, without one trailing separator.
std::string Name_zitieren(const Context& context, std::string_view name);

// A procedure's error handler: runs `body` and reports a run-time error raised
// in it with `where`, which ends the program.
template <typename Body>
auto guarded(const Context& context, std::string_view where, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const RunTimeError& error) {
    Fehler_melden(context, where, error);
  } catch (const std::bad_alloc&) {
    Fehler_melden(context, where, RunTimeError(kOutOfMemory));
  }
}

}  // namespace startup
