// The texts about the planner's files, in the code page. Values are inserted
// as they stand. For a language other than the three the fixed parts are
// empty; the program then ends without a word.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "hostfiles/change_preview.h"
#include "startup/language.h"

namespace hostfiles::texts {

using startup::Language;

// `path` is the file's full path.
std::string fileNotFound(Language language, const std::string& path);
// `forReading` tells an input file from one opened for writing or appending.
std::string openFailure(Language language, const std::string& name, bool forReading);

// Line `line` (from 1) of the file at `path` is empty, so it cannot be saved as it stands.
std::string emptyLine(Language language, const std::string& path, std::size_t line);

std::string employeeHeaderNotDetected(Language language);
// A header line of the configuration file, "[Zentavo]" being its first.
std::string configurationHeaderNotDetected(Language language, std::string_view header);

// The name of field `field` of an employee, counted as fieldsOf() counts them.
std::string fieldLabel(Language language, std::size_t field);

// Whether a preview tells what an import or what a restore would change.
enum class Replacement { kImport, kRestore };

// What an import or a restore would change: the count line and, when employees
// would be removed, a line that names up to ten of them.
std::string previewParagraph(Language language, Replacement by, const ChangePreview& preview);
std::string previewCounts(Language language, Replacement by, const ChangePreview& preview);
// "+ Name (id)", "- Name (id)" or "~ Name (id): field old -> new, ...".
std::string changeLine(Language language, const EmployeeChange& change);

}  // namespace hostfiles::texts
