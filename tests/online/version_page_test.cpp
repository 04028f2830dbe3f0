#include "online/version_page.h"

#include <gtest/gtest.h>

namespace vex::online {
namespace {

VersionInfo parse(const std::string& page) { return parseVersionPage(page); }

TEST(VersionPage, ReadsTheThreeFieldsInAnyOrder) {
  const auto info =
      parse("junk[start][update]N[/update][dowload]http://h/v.exe[/dowload][edition]2.2[/edition][end]x");
  EXPECT_EQ(info.edition, "2.2");
  EXPECT_EQ(info.download, "http://h/v.exe");
  EXPECT_EQ(info.update, "N");
  EXPECT_TRUE(announcesNewVersion(info));
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
  EXPECT_FALSE(announcesNewVersion(info));
  EXPECT_EQ(parse("[start][edition]2.2[end]").edition, "");
}

TEST(VersionPage, ComparisonIsByteForByte) {
  struct Case {
    const char* edition;
    bool isNew;
  } cases[] = {{"2.1", false}, {"", false}, {" 2.1", true}, {"2.10", true}, {"2.0", true}, {"2.1 ", true}};
  for (const auto& c : cases) {
    VersionInfo info;
    info.edition = c.edition;
    EXPECT_EQ(announcesNewVersion(info), c.isNew) << "'" << c.edition << "'";
  }
  EXPECT_FALSE(announcesNewVersion(parse("[start][edition]2.1[/edition][end]")));
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

TEST(VersionPage, OptionalDigestField) {
  EXPECT_EQ(parse("[start][edition]2.2[/edition][SHA256]AbC[/sha256][end]").sha256, "AbC");
  EXPECT_EQ(parse("[start][edition]2.2[/edition][end][sha256]abc[/sha256]").sha256, "");
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
  EXPECT_EQ(trimBlanks("  http://h/a.exe "), "http://h/a.exe");
  EXPECT_EQ(trimBlanks("\xA1\xA1http://h/a b.exe\xA1\xA1 "), "http://h/a b.exe");
  EXPECT_EQ(trimBlanks("\xA1\xA1\xA1\xA1"), "");
  EXPECT_EQ(trimBlanks("\thttp://h\t"), "\thttp://h\t");
  // A trailing two-byte character ending in 0xA1 is not half a blank.
  EXPECT_EQ(trimBlanks("a\xB0\xA1"), "a\xB0\xA1");
  EXPECT_EQ(versionPageAddress("127.0.0.1:18631"), "http://127.0.0.1:18631/vexbox/Version.html");
}

}  // namespace
}  // namespace vex::online
