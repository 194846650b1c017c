#include "startup/main.h"

#include "startup/folders.h"
#include "startup/formatting.h"
#include "startup/messages.h"
#include "startup/numbers.h"
#include "startup/startup_texts.h"

namespace startup {

namespace {

std::string baseFolder(const Context& context) {
  const std::string publicFolder = context.system->environment("PUBLIC").value_or("");
  if (publicFolder.empty()) {
    return withSeparator(context.system->environment("ProgramFiles").value_or(""));
  }
  return virtualStore(withSeparator(publicFolder) + "AppData" + platform::kSeparator + "Local");
}

// Where the system names no region (a server's or a container's plain
// locale), the region of the edition, so that its users' files read as written.
platform::RegionalSettings editionRegion(Language language) {
  const char* code = language == Language::DE   ? "de-DE"
                     : language == Language::FR ? "fr-FR"
                                                : "en-GB";
  return platform::regionalSettingsNamed(code).value();
}

}  // namespace

std::string virtualStore(const std::string& root) {
  std::string base = withSeparator(root);
  for (const char* part : {"VirtualStore", "Program Files"}) {
    base += part;
    base += platform::kSeparator;
  }
  return base;
}

std::string installationFolder(const Context& context, const std::string& base) {
  for (const char* edition : {"Zentavo Desk", "Zentavo Bureau"}) {
    if (Ordner_vorhanden(context, base + edition)) return base + edition + platform::kSeparator;
  }
  return base + "ZentavoKalender" + platform::kSeparator;
}

std::string Main(Context& context) {
  return guarded(context, "modPersonallader - Main", [&] {
    context.Programmtitel = texts::programTitle(context.language);
    context.region =
        context.namedRegion
            ? *context.namedRegion
            : context.system->regionalSettings().value_or(editionRegion(context.language));
    context.Dezimaltrenner = formatTenths(1.1f, 1, context.region).substr(1, 1);
    const platform::DateTime today = context.system->now();
    context.Datum_heute = FormatDatumDS(today.year, today.month, today.day);
    context.Benutzername = context.system->environment("USERNAME").value_or("");
    if (context.Benutzername.empty()) context.Benutzername = "NoName";
    return installationFolder(context, baseFolder(context));
  });
}

void reportMissingPlanner(const Context& context) {
  // The closing full stop and the closing line come from Programm_beenden.
  Programm_beenden(context, texts::plannerMissing(context.language));
}

}  // namespace startup
