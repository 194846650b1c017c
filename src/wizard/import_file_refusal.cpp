#include "wizard/import_file_refusal.h"

#include "startup/messages.h"

namespace wizard {

namespace {

std::optional<std::string> missingText(startup::Language language, const std::string& q) {
  const auto tail = startup::pick(
      language,
      " kann nicht geöffnet werden. Enthält ihr Name Zeichen, die hier als '?' erscheinen, "
      "benennen Sie die Datei um und wählen Sie sie erneut.",
      " can't be opened. If its name holds characters shown here as '?', rename the file and "
      "choose it again.",
      " ne peut pas être ouvert. Si son nom contient des caractères affichés ici comme « ? », "
      "renommez le fichier et choisissez-le à nouveau.");
  const auto head = startup::pick(language, "Die Datei ", "The file ", "Le fichier ");
  if (!head) return std::nullopt;
  return *head + q + *tail;
}

std::optional<std::string> noFileText(startup::Language language, const std::string& q) {
  const auto tail =
      startup::pick(language, " ist keine gewöhnliche Datei. Wählen Sie eine CSV-Datei.",
                    " is not a plain file. Choose a CSV file.",
                    " n'est pas un fichier ordinaire. Choisissez un fichier CSV.");
  if (!tail) return std::nullopt;
  return q + *tail;
}

}  // namespace

bool refusedAsImportFile(startup::ProgramState& state, const std::string& path) {
  using platform::PathKind;
  const PathKind kind = state.system->pathKind(path);
  if (kind == PathKind::kNormalFile || kind == PathKind::kHiddenFile) return false;
  const std::string q = startup::Name_zitieren(state, path);
  const auto text =
      kind == PathKind::kMissing ? missingText(state.Sprache, q) : noFileText(state.Sprache, q);
  if (text) startup::Meldung_anzeigen(state, *text);
  return true;
}

}  // namespace wizard
