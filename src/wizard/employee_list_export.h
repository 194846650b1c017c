// The export of the planner's employee list as an import file, for an
// administrator only: the one operation that every front-end calls.
#pragma once

#include <string>
#include <vector>

#include "importfile/employee_export.h"
#include "startup/context.h"

namespace wizard {

struct ExportRequest {
  std::string dataFolder;
  std::string logFolder;
  std::string target;  // an absolute path
  importfile::ExportEncoding encoding = importfile::ExportEncoding::kUtf8;
};

enum class ExportResult { kNotAdministrator, kRefused, kExported };

struct ExportOutcome {
  ExportResult result = ExportResult::kNotAdministrator;
  std::string refusal;               // kRefused: the message
  std::vector<std::string> changed;  // kExported: the entries an import would change, named
};

// Refuses a non-administrator (with a notice) and a target that the rule for
// written paths refuses; otherwise writes the list, tells where and how many,
// and names the entries that an import of the file would not bring back as
// they stand. A damaged employee file ends the program as reading it does.
ExportOutcome exportEmployeeList(const startup::Context& context, const ExportRequest& request);

}  // namespace wizard
