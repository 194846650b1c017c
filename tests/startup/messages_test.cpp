#include "startup/messages.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace startup {
namespace {

using testing_support::endingNotice;

class MessagesTest : public testing_support::StateTest {};

// The German report is every other test's errorReport; French quotes the context
// in its own form.
TEST_F(MessagesTest, ErrorReportInFrench) {
  useLanguage(Language::FR);
  EXPECT_EQ(endingNotice(dialogs,
                         [&] {
                           Fehler_melden(state, "modOrdner - Datenordner_auswählen",
                                         RunTimeError(kFileNotFound));
                         }),
            "L'erreur suivante est survenue au module « modOrdner - Datenordner_auswählen » "
            ":\n\nErreur N° 53\nFichier introuvable\n\nLe programme va être fermé.");
}

TEST_F(MessagesTest, OtherLanguagesEndWithoutAnyMessage) {
  useLanguage(Language::Other);
  EXPECT_EQ(endingNotice(dialogs, [&] { Programm_beenden(state, "x"); }), "");
  EXPECT_EQ(endingNotice(dialogs, [&] { Fehler_melden(state, "m - p", RunTimeError(5)); }), "");
  EXPECT_EQ(Name_zitieren(state, "D:\\Daten\\"), "");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MessagesTest, GuardedReportsRunTimeErrorsAndPassesProgramEnds) {
  useLanguage(Language::DE);
  EXPECT_EQ(endingNotice(dialogs,
                         [&] {
                           guarded(state, "mod - Proc",
                                   []() -> int { throw RunTimeError(kTypeMismatch); });
                         }),
            testing_support::errorReport("mod - Proc", 13, "Typen unverträglich"));
  // A program end raised inside is not reported a second time; the message gets its full
  // stop, an empty line and the closing line.
  EXPECT_EQ(
      endingNotice(dialogs,
                   [&] { guarded(state, "mod - Proc", [&] { Programm_beenden(state, "a"); }); }),
      "a.\n\nDas Programm wird beendet.");
  EXPECT_EQ(guarded(state, "mod - Proc", [] { return 7; }), 7);
}

TEST_F(MessagesTest, QuotingNames) {
  const std::string s(1, platform::kSeparator);
  const std::string daten = "D:" + s + "Daten";
  useLanguage(Language::DE);
  EXPECT_EQ(Name_zitieren(state, daten + s), "'" + daten + "'");
  EXPECT_EQ(Name_zitieren(state, daten + s + s), "'" + daten + s + "'");
  EXPECT_EQ(Name_zitieren(state, ""), "''");
  EXPECT_EQ(Name_zitieren(state, daten), "'" + daten + "'");  // English quotes alike
  useLanguage(Language::FR);
  EXPECT_EQ(Name_zitieren(state, daten + s), cp("« ") + daten + cp(" »"));
}

}  // namespace
}  // namespace startup
