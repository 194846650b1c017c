#include "wizard/import_file_refusal.h"

#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace wizard {

bool refusedAsImportFile(startup::ProgramState& state, const std::string& path) {
  using platform::PathKind;
  const PathKind kind = state.system->pathKind(path);
  if (kind == PathKind::kNormalFile || kind == PathKind::kHiddenFile) return false;
  const std::string q = startup::Name_zitieren(state, path);
  startup::notify(state, kind == PathKind::kMissing ? texts::chosenFileMissing(state.Sprache, q)
                                                    : texts::notAPlainFile(state.Sprache, q));
  return true;
}

}  // namespace wizard
