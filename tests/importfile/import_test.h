// What the tests of the import file share: an import file and a configuration
// data file in a temporary folder, and the boxes the check showed.
#pragma once

#include <string>
#include <vector>

#include "support/state_fixture.h"

namespace importfile {

class ImportTest : public testing_support::StateTest {
 protected:
  ImportTest();

  // Writes `bytes` as the import file.
  void writeImport(const std::string& bytes);
  // Writes the lines of `utf8`, each ended by CR LF, in the code page.
  void writeImportLines(const std::vector<std::string>& utf8);
  // A configuration data file whose administrator list is `admins`.
  void writeKonfigdaten(const std::vector<std::string>& admins);
  // Runs the check; true when it opened step 4.
  bool check();
  // The texts of every box shown so far, questions and notices alike.
  std::vector<std::string> boxes() const;
};

// The ten columns of `row`, from Name to Sonderurlaub.
std::vector<std::string> columns(const ImportRow& row);

}  // namespace importfile
