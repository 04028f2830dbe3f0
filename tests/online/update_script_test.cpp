#include "online/update_script.h"

#include <gtest/gtest.h>

namespace vex::online {
namespace {

std::string script(const std::string& name, unsigned oem = 936) {
  const Bytes bytes = buildUpdateScript(name, oem);
  return std::string(bytes.begin(), bytes.end());
}

TEST(UpdateScript, ShippedNameGivesTheSevenLinesExactly) {
  const std::string expected =
      "@echo off\r\n"
      "Taskkill /f /im \xD5\xF3\xCF\xBB.exe\r\n"
      "Del \xD5\xF3\xCF\xBB.exe\r\n"
      "ren \xD5\xF3\xCF\xBB.exe.tmp \xD5\xF3\xCF\xBB.exe\r\n"
      "start \xD5\xF3\xCF\xBB.exe\r\n"
      "Del %0\r\n"
      "Exit";
  EXPECT_EQ(script("阵匣.exe"), expected);
  EXPECT_EQ(std::string(kUpdateTempName), "\xD5\xF3\xCF\xBB.exe.tmp");
}

TEST(UpdateScript, RenamedPlainExecutableKeepsTheFixedTemporaryName) {
  EXPECT_EQ(script("box.exe"),
            "@echo off\r\nTaskkill /f /im box.exe\r\nDel box.exe\r\nren \xD5\xF3\xCF\xBB.exe.tmp box.exe\r\n"
            "start box.exe\r\nDel %0\r\nExit");
}

TEST(UpdateScript, OtherConsoleCodePagesSwitchTo936AndCheckBothNamesFirst) {
  EXPECT_EQ(script("box.exe", 437),
            "@echo off\r\nchcp 936 >nul\r\n"
            "if not exist \xD5\xF3\xCF\xBB.exe.tmp Exit\r\nif not exist box.exe Exit\r\n"
            "Taskkill /f /im box.exe\r\nDel box.exe\r\n"
            "ren \xD5\xF3\xCF\xBB.exe.tmp box.exe\r\nstart box.exe\r\nDel %0\r\nExit");
  EXPECT_EQ(script("box.exe", 850).find("chcp 936 >nul\r\n"), 11u);
  EXPECT_NE(script("my box.exe", 437).find("if not exist \"my box.exe\" Exit\r\n"), std::string::npos);
  EXPECT_EQ(script("box.exe", 936).find("chcp"), std::string::npos);
}

TEST(UpdateScript, NamesWithBlanksOrMetacharactersAreQuoted) {
  EXPECT_EQ(script("my box.exe"),
            "@echo off\r\nTaskkill /f /im \"my box.exe\"\r\nDel \"my box.exe\"\r\n"
            "ren \xD5\xF3\xCF\xBB.exe.tmp \"my box.exe\"\r\nstart \"\" \"my box.exe\"\r\nDel %0\r\nExit");
  const std::string odd = script("a&b %PATH% (1);x^y.exe");
  EXPECT_NE(odd.find("Del \"a&b %%PATH%% (1);x^y.exe\"\r\n"), std::string::npos);
  EXPECT_NE(odd.find("start \"\" \"a&b %%PATH%% (1);x^y.exe\"\r\n"), std::string::npos);
}

TEST(UpdateScript, PlainNames) {
  EXPECT_TRUE(isPlainScriptName("阵匣.exe"));
  EXPECT_TRUE(isPlainScriptName("Box-2_b.exe"));
  // A GBK character whose second byte is "|" is still one character.
  EXPECT_TRUE(isPlainScriptName("\xD5\x7C.exe"));
  for (const char* name : {"", "a b.exe", "a&b.exe", "a%b.exe", "a,b.exe", "a;b.exe", "a=b.exe", "a(1).exe",
                           "a^b.exe", "a!b.exe", "\xD5"}) {
    EXPECT_FALSE(isPlainScriptName(name)) << name;
  }
}

TEST(UpdateScript, NoFinalLineEndAndNoNul) {
  const Bytes bytes = buildUpdateScript("阵匣.exe", 936);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(std::string(bytes.end() - 4, bytes.end()), "Exit");
  for (auto b : bytes) EXPECT_NE(b, 0);
}

}  // namespace
}  // namespace vex::online
