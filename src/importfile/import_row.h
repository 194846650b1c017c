// One data row of the import file, as read and then split and normalised by the check.
#pragma once

#include <string>
#include <vector>

namespace importfile {

struct ImportRow {
  std::string Name;
  std::string Benutzerkennung;
  std::string VonDatum;
  std::string BisDatum;
  std::string Resturlaub;
  std::string Urlaubsanspruch1;
  std::string Urlaubsanspruch2;
  std::string Urlaubsanspruch3;
  std::string Urlaubsanspruch4;
  std::string Sonderurlaub;
  std::string Rohzeile;  // the line as read, followed by one copy of the separator
};

// Row n of the file is element n - 1.
using ImportRows = std::vector<ImportRow>;

}  // namespace importfile
