#include "online/version_page.h"

#include <gtest/gtest.h>

#include "net/text_ops.h"
#include "online/edition_order.h"
#include "online/release_statement.h"
#include "update_signature_keys.h"

namespace vex::online {
namespace {

VersionInfo parse(const std::string& page) { return parseVersionPage(page); }

TEST(VersionPage, ReadsTheThreeFieldsInAnyOrder) {
  const auto info =
      parse("junk[start][update]N[/update][dowload]http://h/v.exe[/dowload][edition]2.2[/edition][end]x");
  EXPECT_EQ(info.edition, "2.2");
  EXPECT_EQ(info.download, "http://h/v.exe");
  EXPECT_EQ(info.update, "N");
}

TEST(VersionPage, TagsMatchInAnyCaseAndTheFirstOccurrenceWins) {
  auto info = parse("[START][EDITION]2.2[/EDITION][Edition]9[/edition][END]");
  EXPECT_EQ(info.edition, "2.2");
  info = parse("[start][update]y[/update][end]");
  EXPECT_EQ(info.update, "y");  // the caller's "Y" test is exact
}

TEST(VersionPage, NothingIsTrimmed) {
  EXPECT_EQ(parse("[start][edition] 2.2 [/edition][end]").edition, " 2.2 ");
}

TEST(VersionPage, FieldsOutsideTheBodyOrWithoutEndAreIgnored) {
  EXPECT_EQ(parse("[edition]2.2[/edition][start][end]").edition, "");
  const auto info = parse("[start][edition]2.2[/edition][dowload]a[/dowload]");
  EXPECT_EQ(info.edition, "");
  EXPECT_EQ(info.download, "");
  EXPECT_EQ(parse("[start][edition]2.2[end]").edition, "");
}

TEST(VersionPage, EditionsCompareAsNumbers) {
  struct Case {
    const char* edition;
    const char* current;
    bool newer;
  } cases[] = {
      {"2.2", "2.1", true},
      {"2.10", "2.9", true},
      {"2.9", "2.10", false},
      {"3", "2.99", true},
      {"2.1", "2.1", false},
      {"2.1.0", "2.1", false},
      {"2.1.1", "2.1", true},
      {"2.0", "2.1", false},
      {" 2.2", "2.1", false},
      {"2.2 ", "2.1", false},
      {"2.02", "2.1", false},
      {"2..2", "2.1", false},
      {"", "2.1", false},
      {"2.2", "", false},
      {"v2.2", "2.1", false},
      {"1000000000", "2.1", false},
      {"1.2.3.4.5.6.7.8", "1", true},
      {"1.2.3.4.5.6.7.8.9", "1", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(editionNewer(c.edition, c.current), c.newer) << c.edition << " vs " << c.current;
}

TEST(VersionPage, StatementHasOneSpelling) {
  const auto release = parseReleaseStatement(test::kStatementTen);
  ASSERT_TRUE(release);
  EXPECT_EQ(release->edition, "2.10");
  EXPECT_EQ(release->length, 33);
  EXPECT_EQ(hexDigest(release->sha256), "4ca3dcc5d680d038daccd24b7266de1a440ac597e2737f39770c996d70259d09");
  EXPECT_EQ(releaseStatementText(*release), test::kStatementTen);
  const std::string good = test::kStatementTen;
  auto edited = [&](const char* from, const char* to) {
    std::string text = good;
    text.replace(text.find(from), std::string(from).size(), to);
    return parseReleaseStatement(text).has_value();
  };
  EXPECT_FALSE(edited("length=33", "length=033"));
  EXPECT_FALSE(edited("length=33", "length=0"));
  EXPECT_FALSE(edited("length=33", "length=67108865"));  // over the download cap
  EXPECT_FALSE(edited("4ca3", "4CA3"));
  EXPECT_FALSE(edited("edition=2.10", "edition=2.1 0"));
  EXPECT_FALSE(edited("edition=2.10", "edition= 2.10"));
  EXPECT_FALSE(edited("vexbox-release", "vexbox-releases"));
  EXPECT_FALSE(edited(" sha256", "  sha256"));
  EXPECT_FALSE(parseReleaseStatement(good + "\n"));
  EXPECT_FALSE(parseReleaseStatement(good.substr(0, good.size() - 1)));
  EXPECT_FALSE(parseReleaseStatement(""));
}

// What the page may offer before its signature is looked at: the statement
// names the page's edition, and that edition is newer than the program's.
TEST(VersionPage, PageOffersOnlyANewerStatedEdition) {
  auto page = [](const char* edition, const char* statement) {
    return parse(std::string("[start][edition]") + edition + "[/edition][statement]" + statement +
                 "[/statement][end]");
  };
  EXPECT_TRUE(announcedRelease(page("2.2", test::kStatementNew), CURRENT_VERSION));
  EXPECT_TRUE(announcedRelease(page("2.10", test::kStatementTen), "2.9"));
  EXPECT_FALSE(announcedRelease(page("2.10", test::kStatementTen), "2.10"));
  EXPECT_FALSE(announcedRelease(page("2.1", test::kStatementEqual), CURRENT_VERSION));
  EXPECT_FALSE(announcedRelease(page("2.0", test::kStatementOld), CURRENT_VERSION));
  // The label and the statement must name the same edition.
  EXPECT_FALSE(announcedRelease(page("9.9", test::kStatementOld), CURRENT_VERSION));
  EXPECT_FALSE(announcedRelease(page(" 2.2", test::kStatementNew), CURRENT_VERSION));
  EXPECT_FALSE(announcedRelease(parse("[start][edition]2.2[/edition][end]"), CURRENT_VERSION));
  EXPECT_EQ(parse("[start][statement-signature]AbC[/statement-signature][end]").statementSignature, "AbC");
}

TEST(VersionPage, TextEndsAtTheFirstNul) {
  Bytes page;
  const std::string head = "[start][edition]2.2[/edition]";
  page.assign(head.begin(), head.end());
  page.push_back(0);
  const std::string tail = "[end]";
  page.insert(page.end(), tail.begin(), tail.end());
  EXPECT_EQ(versionPageText(page), head);
  EXPECT_EQ(parse(versionPageText(page)).edition, "");
  EXPECT_EQ(versionPageText({}), "");
}

TEST(VersionPage, AFieldFarIntoALongPageIsFound) {
  std::string page(150000, 'x');
  page += "[start][edition]3.0[/edition][end]";
  EXPECT_EQ(parse(page).edition, "3.0");
}

TEST(VersionPage, TagsAreNotMatchedInsideTwoByteCharacters) {
  // 0xB5 0x5B is one GBK character whose second byte is "[".
  std::string page = "\xB5[start][edition]2.2[/edition][end]";
  EXPECT_EQ(parse(page).edition, "");
  page = "\xB5\xC4[start][edition]2.2[/edition][end]";
  EXPECT_EQ(parse(page).edition, "2.2");
}

TEST(VersionPage, ReadBufferFollowsContentLength) {
  EXPECT_EQ(versionReadBufferSize(""), 10240u);
  EXPECT_EQ(versionReadBufferSize("0"), 10240u);
  EXPECT_EQ(versionReadBufferSize("-5"), 10240u);
  EXPECT_EQ(versionReadBufferSize("abc"), 10240u);
  EXPECT_EQ(versionReadBufferSize("100"), 101u);
  EXPECT_EQ(versionReadBufferSize("102399"), 102400u);
  EXPECT_EQ(versionReadBufferSize("102400"), 102400u);
  EXPECT_EQ(versionReadBufferSize("99999999999999999999999"), 102400u);
}

TEST(VersionPage, AddressBlanksAreTrimmedAsciiAndFullWidth) {
  EXPECT_EQ(text::trim("  http://h/a.exe "), "http://h/a.exe");
  EXPECT_EQ(text::trim("\xA1\xA1http://h/a b.exe\xA1\xA1 "), "http://h/a b.exe");
  EXPECT_EQ(text::trim("\xA1\xA1\xA1\xA1"), "");
  EXPECT_EQ(text::trim("\thttp://h\t"), "\thttp://h\t");
  // A trailing two-byte character ending in 0xA1 is not half a blank.
  EXPECT_EQ(text::trim("a\xB0\xA1"), "a\xB0\xA1");
  EXPECT_EQ(versionPageAddress("127.0.0.1:18631"), "http://127.0.0.1:18631/vexbox/Version.html");
}

}  // namespace
}  // namespace vex::online
