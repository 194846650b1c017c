#include "importfile/import_lines.h"

#include "hostfiles/file_channel.h"
#include "importfile/text_decoding.h"
#include "startup/messages.h"

namespace importfile {

namespace {

// True when `text` is one empty line at most.
bool holdsNoLine(std::string_view text) {
  std::size_t position = 0;
  return text.empty() || (hostfiles::nextLine(text, position).empty() && position == text.size());
}

std::string decoded(std::string bytes) {
  switch (byteOrderMark(bytes)) {
    case Encoding::kUtf16LittleEndian:
    case Encoding::kUtf16BigEndian:
      return utf16ToCodePage(std::string_view(bytes).substr(2),
                             byteOrderMark(bytes) == Encoding::kUtf16BigEndian);
    case Encoding::kUtf8: {
      std::string text = utf8ToCodePage(bytes);
      return holdsNoLine(text) ? std::string() : text;
    }
    case Encoding::kCodePage:
      break;
  }
  if (looksLikeUtf8(bytes)) return utf8ToCodePage(bytes);
  return bytes;
}

}  // namespace

std::string readImportText(const startup::Context& context, const std::string& Importdatei) {
  using namespace hostfiles;
  FileChannel channel;
  Datei_oeffnen(context, channel, Importdatei, Modus::Input, Fehlerbehandlung::ReportErrors);
  std::string bytes = channel.readRest();
  Datei_schliessen(channel);
  return decoded(std::move(bytes));
}

}  // namespace importfile
