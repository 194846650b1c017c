#include "wizard/captions.h"

namespace wizard {

namespace {

struct Texts {
  std::array<const char*, 4> frames;
  std::array<const char*, 5> buttons;
};

constexpr Texts kGerman{
    {"Schritt 1: Datenordner auswählen", "Schritt 2: Importdatei auswählen",
     "Schritt 3: Importdaten prüfen", "Schritt 4: Mitarbeiterdaten importieren"},
    {"Datenordner auswählen ...", "Importdatei auswählen ...", "Importdaten prüfen",
     "Mitarbeiterdaten importieren", "Beenden"}};
constexpr Texts kEnglish{{"Step 1: Select Data Folder", "Step 2: Select Import File",
                          "Step 3: Check Import Data", "Step 4: Import Employee Data"},
                         {"Select Data Folder ...", "Select Import File ...", "Check Import Data",
                          "Import Employee Data", "Close"}};
constexpr Texts kFrench{
    {"Etape 1 : Sélection du Dossier de Données", "Etape 2 : Sélection du Fichier d'Import",
     "Etape 3 : Vérification des Données d'Import", "Etape 4 : Import des Employés"},
    {"Sélection du Dossier de Données ...", "Sélection du Fichier d'Import ...",
     "Vérification des Données d'Import", "Import des Employés", "Fermer"}};

}  // namespace

Captions captionsFor(startup::Language language) {
  const Texts& texts = language == startup::Language::EN   ? kEnglish
                       : language == startup::Language::FR ? kFrench
                                                           : kGerman;
  Captions captions;
  for (std::size_t i = 0; i < 4; ++i) captions.frames[i] = startup::cp(texts.frames[i]);
  for (std::size_t i = 0; i < 5; ++i) captions.buttons[i] = startup::cp(texts.buttons[i]);
  return captions;
}

}  // namespace wizard
