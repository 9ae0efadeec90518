// Writing changed entries back: only the lines of what changed are new.
#include <gtest/gtest.h>

#include "tests/mailbox/Samples.h"
#include "tests/mailbox/SavingTest.h"

namespace qh::sim::mailbox::testing {
namespace {

class WriteBack : public SavingTest {};

TEST_F(WriteBack, UnchangedFilesComeBackByteForByte) {
  // Unknown and empty properties, which libical turns into X-LIC-ERROR, lines with trailing
  // blanks, bare line feeds and a byte order mark all survive an unchanged save.
  const std::string odd =
      "\xEF\xBB\xBF"
      "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:odd\nDTSTART:20240101T100000Z\n"
      "FOO:bar\nDESCRIPTION:\nSUMMARY:trailing blanks   \nEND:VEVENT\nEND:VCALENDAR\n";
  for (const std::string& original :
       {crlf(kOutlookSample), crlf(kGoogleSample), crlf(kThunderbirdSample), odd}) {
    EXPECT_EQ(afterSaving(original, [](auto&) {}), original);
  }
}

TEST_F(WriteBack, ChangedCategoriesKeepUnknownPropertyAlarmAndEverythingElse) {
  const std::string original = crlf(kOutlookSample);
  const std::string written = afterSaving(original, [](auto& e) { e[0].categories = "Support"; });
  EXPECT_EQ(written,
            replaced(original, "CATEGORIES:Project A,Support\r\n", "CATEGORIES:Support\r\n"));
  EXPECT_EQ(reread()[0].categories, "Support");
}

TEST_F(WriteBack, CategoriesThatOnlyDifferInSpacingAreNoChange) {
  const std::string original = crlf(kOutlookSample);
  EXPECT_EQ(afterSaving(original, [](auto& e) { e[0].categories = "Project A;Support"; }),
            original);
}

TEST_F(WriteBack, CategoriesKeepTheFilesStyleOfOnePropertyPerValue) {
  const std::string original = crlf(kThunderbirdSample);
  const std::string written =
      afterSaving(original, [](auto& e) { e[0].categories = "Admin, Kunde; Projekt Y"; });
  EXPECT_EQ(written, replaced(original, "CATEGORIES:Project A\r\nCATEGORIES:Kunde\\, Projekt X\r\n",
                              "CATEGORIES:Admin\r\nCATEGORIES:Kunde\r\nCATEGORIES:Projekt Y\r\n"));
}

TEST_F(WriteBack, CategoriesAddedWhereThereWereNoneAndRemovedWhenEmptied) {
  const std::string google = crlf(kGoogleSample);
  EXPECT_EQ(
      afterSaving(google, [](auto& e) { e[0].categories = "Support"; }),
      replaced(google, "X-GOOGLE-CONFERENCE:https://meet.google.com/abc-defg-hij\r\nEND:VEVENT",
               "X-GOOGLE-CONFERENCE:https://meet.google.com/"
               "abc-defg-hij\r\nCATEGORIES:Support\r\nEND:VEVENT"));
  const std::string outlook = crlf(kOutlookSample);
  EXPECT_EQ(afterSaving(outlook, [](auto& e) { e[0].categories = ""; }),
            replaced(outlook, "CATEGORIES:Project A,Support\r\n", ""));
}

TEST_F(WriteBack, TextIsEscapedAndParametersStay) {
  const std::string original = crlf(kOutlookSample);
  const std::string written = afterSaving(original, [](auto& e) {
    e[0].subject = "Sync; moved, again\\";
    e[0].body = "Line one\r\nLine two";
  });
  EXPECT_EQ(written, replaced(replaced(original, "SUMMARY;LANGUAGE=de:Weekly sync\r\n",
                                       "SUMMARY;LANGUAGE=de:Sync\\; moved\\, again\\\\\r\n"),
                              "DESCRIPTION:Figures\\, see attachment\\nSecond line\r\n",
                              "DESCRIPTION:Line one\\nLine two\r\n"));
  const auto again = reread();
  EXPECT_EQ(again[0].subject, "Sync; moved, again\\");
  EXPECT_EQ(again[0].body, "Line one\nLine two");
}

TEST_F(WriteBack, LongTextIsFoldedAndReadsBack) {
  const std::string subject(200, 'x');
  const std::string written =
      afterSaving(crlf(kGoogleSample), [&](auto& e) { e[0].subject = subject; });
  EXPECT_NE(
      written.find("SUMMARY:" + std::string(67, 'x') + "\r\n " + std::string(74, 'x') + "\r\n "),
      std::string::npos);
  EXPECT_EQ(reread()[0].subject, subject);
}

TEST_F(WriteBack, OnlyTheChangedComponentChanges) {
  const std::string google = crlf(kGoogleSample);
  const std::string written =
      afterSaving(google, [](auto& e) { e[2].subject = "Stand-up (moved twice)"; });
  EXPECT_EQ(written,
            replaced(google, "SUMMARY:Stand-up (moved)", "SUMMARY:Stand-up (moved twice)"));
}

TEST_F(WriteBack, AnEventWithoutUidGetsItsKeyAsUidWhenChanged) {
  const std::string original = crlf(
      "BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20240115T080000Z\nSUMMARY:A\nEND:VEVENT\nEND:"
      "VCALENDAR\n");
  std::string key;
  afterSaving(original, [&](auto& e) {
    key = e[0].key;
    e[0].subject = "B";
  });
  const auto again = reread();
  EXPECT_EQ(again[0].key, key);
  EXPECT_EQ(again[0].subject, "B");
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
