#include "usage.h"

#include "terminal_text.h"

namespace console {

namespace {

constexpr const char* kUsageDe =
    "Aufruf:\n"
    "  personallader                   der Assistent in vier Schritten im Terminal\n"
    "  personallader check [--data ORDNER] [--report FEHLER.csv] DATEI.csv\n"
    "                                  prüft die Importdatei und listet jeden Fehler;\n"
    "                                  Status 0 ohne Fehler, 1 mit Fehlern; --report\n"
    "                                  schreibt die Fehler als Tabelle (UTF-8)\n"
    "  personallader import [--data ORDNER] [--yes | --dry-run] DATEI.csv\n"
    "                                  prüft und importiert; der erste Fehler bricht\n"
    "                                  ab (Status 1); vorhandene Mitarbeiterdaten\n"
    "                                  werden nur mit --yes überschrieben; --dry-run\n"
    "                                  listet jede Änderung und schreibt nichts\n"
    "  personallader backups [--data ORDNER]\n"
    "                                  listet die Sicherungen, die neueste zuerst;\n"
    "                                  Art A: vor einem Import oder einer\n"
    "                                  Wiederherstellung angelegt\n"
    "  personallader restore [--data ORDNER] [--yes] SICHERUNG\n"
    "                                  stellt die Mitarbeiterdaten aus SICHERUNG (Name\n"
    "                                  aus der Liste oder Pfad) wieder her, nur mit "
    "--yes\n"
    "  personallader export [--data ORDNER] [--encoding cp] DATEI.csv\n"
    "                                  schreibt die Mitarbeiterliste als Importdatei\n"
    "                                  (UTF-8, mit cp in der Codepage des Planers);\n"
    "                                  Status 1, wenn Einträge beim Import verändert\n"
    "                                  zurückkämen\n"
    "  personallader decode DATEI...   zeigt den Klartext jeder Zeile verschlüsselter\n"
    "                                  Planerdateien (UTF-8)\n"
    "  personallader encode            liest Klartextzeilen (UTF-8) von der\n"
    "                                  Standardeingabe und schreibt sie verschlüsselt\n"
    "                                  (Codepage, CR LF) auf die Standardausgabe\n"
    "  personallader --help            zeigt diese Hilfe (ebenso help, -h, /? und\n"
    "                                  BEFEHL --help)\n"
    "  personallader --version         zeigt Version, Sprache und Commit\n"
    "--data ORDNER steht für die Wahl des Datenordners in Schritt 1; ohne die Angabe\n"
    "gilt der Datenordner aus den Einstellungen des Planers. Status 2: falscher Aufruf;\n"
    "Status 3: das Programm wurde mit einer Meldung beendet.\n"
    "Mit --region CODE (de-DE, en-GB, en-US, fr-FR) lesen check, import und restore\n"
    "Datumsangaben und Zahlen in der Form dieser Region statt der des Systems;\n"
    "export schreibt sie so.\n";

constexpr const char* kUsageEn =
    "Usage:\n"
    "  personallader                   the four-step wizard in the terminal\n"
    "  personallader check [--data FOLDER] [--report FAULTS.csv] FILE.csv\n"
    "                                  checks the import file and lists every fault;\n"
    "                                  status 0 without faults, 1 with faults;\n"
    "                                  --report writes the faults as a table (UTF-8)\n"
    "  personallader import [--data FOLDER] [--yes | --dry-run] FILE.csv\n"
    "                                  checks and imports; the first fault stops it\n"
    "                                  (status 1); existing employee data are\n"
    "                                  overwritten only with --yes; --dry-run lists\n"
    "                                  every change and writes nothing\n"
    "  personallader backups [--data FOLDER]\n"
    "                                  lists the backups, newest first; kind A: made\n"
    "                                  before an import or a restore\n"
    "  personallader restore [--data FOLDER] [--yes] BACKUP\n"
    "                                  restores the employee data from BACKUP (a name\n"
    "                                  from the list, or a path), only with --yes\n"
    "  personallader export [--data FOLDER] [--encoding cp] FILE.csv\n"
    "                                  writes the employee list as an import file\n"
    "                                  (UTF-8, with cp in the planner's code page);\n"
    "                                  status 1 when entries would come back changed\n"
    "  personallader decode FILE...    prints the plain text of every line of\n"
    "                                  scrambled planner files (UTF-8)\n"
    "  personallader encode            reads plain lines (UTF-8) from standard input\n"
    "                                  and writes them as scrambled lines (code page,\n"
    "                                  CR LF) to standard output\n"
    "  personallader --help            shows this help (so do help, -h, /? and\n"
    "                                  COMMAND --help)\n"
    "  personallader --version         shows the version, language and commit\n"
    "--data FOLDER takes the place of choosing the data folder in step 1; without it\n"
    "the planner's settings name the data folder. Status 2: wrong command line;\n"
    "status 3: the program ended with a message.\n"
    "With --region CODE (de-DE, en-GB, en-US, fr-FR), check, import and restore read\n"
    "dates and numbers in that region's form instead of the system's; export writes\n"
    "them so.\n";

constexpr const char* kUsageFr =
    "Utilisation :\n"
    "  personallader                   l'assistant en quatre étapes dans le terminal\n"
    "  personallader check [--data DOSSIER] [--report ERREURS.csv] FICHIER.csv\n"
    "                                  vérifie le fichier d'import et liste chaque\n"
    "                                  erreur ; statut 0 sans erreur, 1 avec erreurs ;\n"
    "                                  --report écrit les erreurs en tableau (UTF-8)\n"
    "  personallader import [--data DOSSIER] [--yes | --dry-run] FICHIER.csv\n"
    "                                  vérifie et importe ; la première erreur arrête\n"
    "                                  (statut 1) ; les employés existants ne sont\n"
    "                                  remplacés qu'avec --yes ; --dry-run liste chaque\n"
    "                                  changement et n'écrit rien\n"
    "  personallader backups [--data DOSSIER]\n"
    "                                  liste les sauvegardes, la plus récente d'abord ;\n"
    "                                  type A : faite avant un import ou une\n"
    "                                  restauration\n"
    "  personallader restore [--data DOSSIER] [--yes] SAUVEGARDE\n"
    "                                  restaure les employés de SAUVEGARDE (nom de la\n"
    "                                  liste ou chemin), seulement avec --yes\n"
    "  personallader export [--data DOSSIER] [--encoding cp] FICHIER.csv\n"
    "                                  écrit la liste des employés en fichier d'import\n"
    "                                  (UTF-8, avec cp dans la page de codes du\n"
    "                                  planificateur) ; statut 1 si des entrées\n"
    "                                  reviendraient modifiées\n"
    "  personallader decode FICHIER... affiche le texte en clair de chaque ligne des\n"
    "                                  fichiers chiffrés du planificateur (UTF-8)\n"
    "  personallader encode            lit des lignes en clair (UTF-8) sur l'entrée\n"
    "                                  standard et les écrit chiffrées (page de codes,\n"
    "                                  CR LF) sur la sortie standard\n"
    "  personallader --help            affiche cette aide (de même help, -h, /? et\n"
    "                                  COMMANDE --help)\n"
    "  personallader --version         affiche la version, la langue et le commit\n"
    "--data DOSSIER remplace le choix du dossier de données de l'étape 1 ; sans lui,\n"
    "le dossier vient des paramètres du planificateur. Statut 2 : appel incorrect ;\n"
    "statut 3 : le programme s'est arrêté avec un message.\n"
    "Avec --region CODE (de-DE, en-GB, en-US, fr-FR), check, import et restore lisent\n"
    "dates et nombres sous la forme de cette région au lieu de celle du système ;\n"
    "export les écrit ainsi.\n";

}  // namespace

std::string usage(startup::Language language) {
  return say(language, {kUsageDe, kUsageEn, kUsageFr});
}

std::string version(startup::Language language) {
  std::string text =
      std::string("Personallader ") + PERSONALLADER_VERSION +
      say(language, {", deutsche Ausgabe", ", English edition", ", édition française"});
  // A build from outside a git checkout knows no commit.
  if (*PERSONALLADER_COMMIT) {
    text +=
        std::string(say(language, {", Commit ", ", commit ", ", commit "})) + PERSONALLADER_COMMIT;
  }
  return text + "\n";
}

}  // namespace console
