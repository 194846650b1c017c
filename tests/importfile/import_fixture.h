// What the tests of the import file share: an import file and a data folder in
// a temporary folder, and the boxes the check showed.
#pragma once

#include <string>
#include <vector>

#include "support/state_fixture.h"

namespace importfile {

using Lines = std::vector<std::string>;

class ImportFixture : public testing_support::StateTest {
 protected:
  ImportFixture();

  // Writes `bytes` as the import file.
  void writeImport(const std::string& bytes);
  // Writes the lines of `utf8`, each ended by CR LF, in the code page.
  void writeImportLines(const Lines& utf8);
  // A data folder whose administrator list is `admins`.
  void writeKonfigdaten(const Lines& admins);
  // Runs the check; true for the fault-free verdict.
  bool check();
  // The lines of the rows read, each as read with the separator appended.
  Lines rawLines() const;
};

// The ten columns of `row`, from Name to Sonderurlaub, joined by "|".
std::string columns(const ImportRow& row);

}  // namespace importfile
