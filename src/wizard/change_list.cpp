#include "wizard/change_list.h"

#include "hostfiles/file_channel.h"
#include "hostfiles/planner_texts.h"
#include "importfile/check_outcome.h"
#include "importfile/quoted_fields.h"
#include "platform/codepage.h"
#include "startup/messages.h"

namespace wizard {

namespace {

using hostfiles::texts::Replacement;

// An earlier change list begins with a change line or, without changes, with
// the count line, in any language.
bool isChangeList(platform::System& system, const std::string& path) {
  const auto start = startup::fileStart(system, path, 64);
  if (!start || !start->starts_with(importfile::kUtf8Mark)) return false;
  const std::string_view text = std::string_view(*start).substr(importfile::kUtf8Mark.size());
  for (const std::string_view change : {"+ ", "- ", "~ "}) {
    if (text.starts_with(change)) return true;
  }
  for (const auto language :
       {startup::Language::DE, startup::Language::EN, startup::Language::FR}) {
    const std::string counts = platform::codePageToUtf8(
        hostfiles::texts::previewCounts(language, Replacement::kImport, {}));
    if (text.starts_with(counts.substr(0, counts.find('0')))) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> changeListLines(startup::Language language,
                                         const std::vector<hostfiles::EmployeeChange>& changes,
                                         const hostfiles::ChangePreview& preview) {
  std::vector<std::string> lines;
  lines.reserve(changes.size() + 1);
  for (const hostfiles::EmployeeChange& change : changes) {
    lines.push_back(hostfiles::texts::changeLine(language, change));
  }
  lines.push_back(hostfiles::texts::previewCounts(language, Replacement::kImport, preview));
  return lines;
}

bool hasChangeList(const ProgramState& state) {
  return state.lastCheck.verdict == importfile::Verdict::kFaultFree &&
         state.lastCheck.preview.has_value();
}

std::optional<std::vector<std::string>> lastChangeList(const ProgramState& state) {
  if (!hasChangeList(state)) return std::nullopt;
  const importfile::CheckOutcome& check = state.lastCheck;
  const auto changes =
      hostfiles::listChanges(state, state.Datenpfad, importfile::plannerEntries(check.data.rows));
  if (!changes) return std::nullopt;
  return changeListLines(state.language, *changes, *check.preview);
}

std::optional<std::string> changeListRefused(const startup::Context& context,
                                             const std::string& path,
                                             const startup::ProtectedPlaces& places) {
  return startup::writeTargetRefused(context, path, places, [&](const std::string& existing) {
    return isChangeList(*context.system, existing);
  });
}

void writeChangeList(const startup::Context& context, const std::string& path,
                     const std::vector<std::string>& lines) {
  hostfiles::FileChannel channel;
  hostfiles::Datei_oeffnen(context, channel, path, hostfiles::Modus::Output,
                           hostfiles::Fehlerbehandlung::ReportErrors);
  startup::guarded(context, "personallader - writeChangeList", [&] {
    std::string mark(importfile::kUtf8Mark);
    for (const std::string& line : lines) {
      channel.writeLine(mark + platform::codePageToUtf8(line));
      mark.clear();
    }
    hostfiles::Datei_schliessen(channel);
  });
}

}  // namespace wizard
