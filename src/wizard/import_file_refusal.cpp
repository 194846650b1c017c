#include "wizard/import_file_refusal.h"

#include "startup/messages.h"
#include "wizard/wizard_texts.h"

namespace wizard {

bool refusedAsImportFile(const startup::Context& context, const std::string& path) {
  using platform::PathKind;
  const PathKind kind = context.system->pathKind(path);
  if (kind == PathKind::kNormalFile || kind == PathKind::kHiddenFile) return false;
  const std::string q = startup::Name_zitieren(context, path);
  startup::notify(context, kind == PathKind::kMissing ? texts::chosenFileMissing(context.Sprache, q)
                                                      : texts::notAPlainFile(context.Sprache, q));
  return true;
}

}  // namespace wizard
