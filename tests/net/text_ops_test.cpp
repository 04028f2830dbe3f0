#include "net/text_ops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex {
namespace {

using namespace std::string_literals;

// "\x81" "A" is one two-byte character whose trail byte is the letter A.
const std::string kTrailA =
    "\x81"
    "A";
const std::string kFullWidth = "\xA1\xA1";

std::vector<std::string> pieces(const TextList& list) { return list.values(); }

TEST(TextFind, PositionsAreOneBasedAndMinusOneWhenAbsent) {
  EXPECT_EQ(text::find("abc", "c"), 3);
  EXPECT_EQ(text::find("abc", "x"), -1);
  EXPECT_EQ(text::find("abc", ""), 1);
  EXPECT_EQ(text::find("", ""), -1);
  EXPECT_EQ(text::find("abcabc", "bc", 3), 5);
  EXPECT_EQ(text::find("abc", "c", 3), 3);
  EXPECT_EQ(text::find("abc", "a", 4), -1);
  EXPECT_EQ(text::find("abc", "", 4), -1);
  EXPECT_EQ(text::find("abc", "a", -5), 1);
  EXPECT_EQ(text::find("abc", "abcd"), -1);
}

TEST(TextFind, IgnoreCaseFoldsAsciiOnly) {
  EXPECT_EQ(text::find("Content-TYPE: x", "content-type:", 1, true), 1);
  EXPECT_EQ(text::find("Content-TYPE: x", "content-type:"), -1);
  EXPECT_EQ(text::find("x" + kTrailA + "a", "A", 1, true), 4);
}

TEST(TextFind, NeverMatchesOnATrailByte) {
  EXPECT_EQ(text::find("x" + kTrailA + "y", "A"), -1);
  EXPECT_EQ(text::find("x" + kTrailA + "yA", "A"), 5);
  EXPECT_EQ(text::find(kTrailA, kTrailA), 1);
  EXPECT_EQ(text::find_last(kTrailA + "A" + kTrailA, "A"), 3);
  // Starting on a trail byte is the caller's choice and is honoured.
  EXPECT_EQ(text::find(kTrailA, "A", 2), 2);
}

TEST(TextFind, StopsAtNulAndAtALoneLeadByte) {
  EXPECT_EQ(text::find("ab\0cd"s, "c"), -1);
  EXPECT_EQ(text::length("ab\0cd"s), 2);
  EXPECT_EQ(text::find("ab\x81", "\x81"), 3);
  EXPECT_EQ(text::find_last("a:b:c", ":"), 4);
  EXPECT_EQ(text::find_last("abc", ":"), -1);
}

TEST(TextCut, LeftRightMiddleClampToTheText) {
  EXPECT_EQ(text::left("abc", 2), "ab");
  EXPECT_EQ(text::left("abc", 9), "abc");
  EXPECT_EQ(text::left("abc", 0), "");
  EXPECT_EQ(text::left("abc", -1), "");
  EXPECT_EQ(text::right("abc", 2), "bc");
  EXPECT_EQ(text::right("abc", 9), "abc");
  EXPECT_EQ(text::right("abc", -3), "");
  EXPECT_EQ(text::middle("abcdef", 2, 3), "bcd");
  EXPECT_EQ(text::middle("abcdef", 5, 9), "ef");
  EXPECT_EQ(text::middle("abcdef", 0, 2), "");
  EXPECT_EQ(text::middle("abcdef", 7, 1), "");
  EXPECT_EQ(text::middle("abcdef", 2, 0), "");
}

TEST(TextCase, ConvertsAsciiLettersAndKeepsTwoByteCharacters) {
  EXPECT_EQ(text::to_lower("HeLLo-1"), "hello-1");
  EXPECT_EQ(text::to_lower(kTrailA + "B"), kTrailA + "b");
  EXPECT_EQ(text::to_lower("\x81"
                           "A"
                           "B"),
            "\x81"
            "A"
            "b");
}

TEST(TextBlanks, TrimTakesAsciiAndFullWidthSpacesOnly) {
  EXPECT_EQ(text::trim("  a b  "), "a b");
  EXPECT_EQ(text::trim(kFullWidth + kFullWidth), "");
  EXPECT_EQ(text::trim(kFullWidth + "x " + kFullWidth), "x");
  EXPECT_EQ(text::trim("\tx"), "\tx");
  EXPECT_EQ(text::trim("x\r\n"), "x\r\n");
  EXPECT_EQ(text::trim(""), "");
  // A1 A1 straddling two characters is no blank: B0 A1 is one character.
  EXPECT_EQ(text::trim("x\xB0\xA1\xA1"), "x\xB0\xA1\xA1");
  EXPECT_EQ(text::trim("x\xB0\xA1\xA1\xA1"), "x\xB0\xA1");
}

TEST(TextBlanks, RemoveBlanksKeepsTwoByteCharactersWhole) {
  EXPECT_EQ(text::remove_blanks(" a = 1 ;" + kFullWidth + "b"), "a=1;b");
  EXPECT_EQ(text::remove_blanks("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
  EXPECT_EQ(text::remove_blanks("\t\n"), "\t\n");
}

TEST(TextSplit, EmptyPiecesBetweenSeparatorsStayAndATrailingOneGoes) {
  EXPECT_EQ(pieces(text::split("a;b;", ";")), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(pieces(text::split(";a", ";")), (std::vector<std::string>{"", "a"}));
  EXPECT_EQ(pieces(text::split("a;;b", ";")), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(pieces(text::split("", ";")), (std::vector<std::string>{}));
  EXPECT_EQ(pieces(text::split("a;b", "")), (std::vector<std::string>{"a;b"}));
  EXPECT_EQ(pieces(text::split(";", ";")), (std::vector<std::string>{""}));
  EXPECT_EQ(pieces(text::split("a\r\nb\r\n\r\nc", "\r\n")), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(pieces(text::split("x" + kTrailA + "y", "A")), (std::vector<std::string>{"x" + kTrailA + "y"}));
}

TEST(TextReplace, LeftToRightWithoutRescanning) {
  EXPECT_EQ(text::replace("aXbxc", "x", "-", true), "aXb-c");
  EXPECT_EQ(text::replace("aXbxc", "x", "-", false), "a-b-c");
  EXPECT_EQ(text::replace("aaa", "a", "aa", true), "aaaaaa");
  EXPECT_EQ(text::replace("abab", "ab", "", true), "");
  EXPECT_EQ(text::replace("abc", "", "z", true), "abc");
  EXPECT_EQ(text::replace(kTrailA + "A", "A", "b", true), kTrailA + "b");
}

}  // namespace
}  // namespace vex
