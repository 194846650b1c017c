// What the tests of the import file share: an import file and a data folder in
// a temporary folder, and the boxes the check showed.
#pragma once

#include <string>
#include <vector>

#include "importfile/check_outcome.h"
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
  // Runs the check into `outcome`; true for the fault-free verdict.
  bool check();
  // Reads the import file into `outcome.data`; false when it gave no rows.
  bool read();
  // The lines of the rows read, each as read with the separator appended.
  Lines rawLines() const;

  CheckOutcome outcome;
  const ImportRows& rows = outcome.data.rows;
};

// The ten columns of `row`, from Name to Sonderurlaub, joined by "|".
std::string columns(const ImportRow& row);

}  // namespace importfile
