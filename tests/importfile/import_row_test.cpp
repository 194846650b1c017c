#include "importfile/import_row.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace importfile {
namespace {

// Sizes beyond a byte are kept aside; values beyond the room fail cleanly.
TEST(ImportRowsTest, LongValuesAndTheEndOfTheRoom) {
  const std::string name(70000, 'n');
  ImportRows rows({{name, "id"}});
  EXPECT_EQ(rows[0].Name(), name);
  rows[0].set(Column::Benutzerkennung, rows[0].Name().substr(1));
  EXPECT_EQ(rows[0].Benutzerkennung().size(), name.size() - 1);
  EXPECT_THROW(rows.keep("x"), std::length_error);
}

}  // namespace
}  // namespace importfile
