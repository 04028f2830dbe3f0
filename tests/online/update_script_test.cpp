#include "online/update_script.h"

#include <gtest/gtest.h>

namespace vex::online {
namespace {

std::string script(const std::string& name, unsigned oem = 936) {
  const Bytes bytes = buildUpdateScript(name, oem).text;
  return std::string(bytes.begin(), bytes.end());
}

TEST(UpdateScript, ShippedNameKeepsTheLineOrderAndNeverDeletesBeforeReplacing) {
  // kill, the old file aside (where "Del" stood), the new one in, start,
  // tidy up, "Del %0", "Exit".
  const std::string expected =
      "@echo off\r\n"
      "Taskkill /f /im \xD5\xF3\xCF\xBB.exe\r\n"
      "if exist \xD5\xF3\xCF\xBB.exe.old Del \xD5\xF3\xCF\xBB.exe.old\r\n"
      "ren \xD5\xF3\xCF\xBB.exe \xD5\xF3\xCF\xBB.exe.old\r\n"
      "ren \xD5\xF3\xCF\xBB.exe.tmp \xD5\xF3\xCF\xBB.exe\r\n"
      "if not exist \xD5\xF3\xCF\xBB.exe ren \xD5\xF3\xCF\xBB.exe.old \xD5\xF3\xCF\xBB.exe\r\n"
      "start \xD5\xF3\xCF\xBB.exe\r\n"
      "if exist \xD5\xF3\xCF\xBB.exe.old ping -n 2 127.0.0.1 >nul\r\n"
      "if exist \xD5\xF3\xCF\xBB.exe.old Del \xD5\xF3\xCF\xBB.exe.old\r\n"
      "if exist \xD5\xF3\xCF\xBB.exe.tmp Del \xD5\xF3\xCF\xBB.exe.tmp\r\n"
      "Del %0\r\n"
      "Exit";
  const UpdateScript s = buildUpdateScript("阵匣.exe", 936);
  EXPECT_EQ(std::string(s.text.begin(), s.text.end()), expected);
  EXPECT_TRUE(s.environment.empty());
  EXPECT_EQ(std::string(kUpdateTempName), "\xD5\xF3\xCF\xBB.exe.tmp");
}

TEST(UpdateScript, RenamedPlainExecutableKeepsTheFixedTemporaryName) {
  const std::string s = script("box.exe");
  EXPECT_NE(s.find("\r\nTaskkill /f /im box.exe\r\n"), std::string::npos);
  EXPECT_NE(s.find("\r\nren box.exe box.exe.old\r\nren \xD5\xF3\xCF\xBB.exe.tmp box.exe\r\n"),
            std::string::npos);
  EXPECT_NE(s.find("\r\nstart box.exe\r\n"), std::string::npos);
}

TEST(UpdateScript, OtherCodePagesAndOddNamesGoThroughTheEnvironment) {
  for (const auto& [name, oem] : {std::pair<std::string, unsigned>{"阵匣.exe", 437},
                                  {"box.exe", 1252},
                                  {"my box.exe", 936},
                                  {"a&b %PATH% (1);x^y.exe", 936}}) {
    SCOPED_TRACE(name);
    const UpdateScript u = buildUpdateScript(name, oem);
    const std::string s(u.text.begin(), u.text.end());
    // Only ASCII in the file: it reads the same in every code page.
    for (unsigned char c : s) EXPECT_LT(c, 0x80);
    EXPECT_EQ(s,
              "@echo off\r\n"
              "Taskkill /f /im \"%VEXBOX_OWN%\"\r\n"
              "if exist \"%VEXBOX_OLD%\" Del \"%VEXBOX_OLD%\"\r\n"
              "ren \"%VEXBOX_OWN%\" \"%VEXBOX_OLD%\"\r\n"
              "ren \"%VEXBOX_NEW%\" \"%VEXBOX_OWN%\"\r\n"
              "if not exist \"%VEXBOX_OWN%\" ren \"%VEXBOX_OLD%\" \"%VEXBOX_OWN%\"\r\n"
              "start \"\" \"%VEXBOX_OWN%\"\r\n"
              "if exist \"%VEXBOX_OLD%\" ping -n 2 127.0.0.1 >nul\r\n"
              "if exist \"%VEXBOX_OLD%\" Del \"%VEXBOX_OLD%\"\r\n"
              "if exist \"%VEXBOX_NEW%\" Del \"%VEXBOX_NEW%\"\r\n"
              "Del %0\r\n"
              "Exit");
    const std::vector<std::pair<std::string, std::string>> expected{
        {"VEXBOX_OWN", name}, {"VEXBOX_NEW", kUpdateTempName}, {"VEXBOX_OLD", name + ".old"}};
    EXPECT_EQ(u.environment, expected);
  }
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
  for (unsigned oem : {936u, 437u}) {
    const Bytes bytes = buildUpdateScript("阵匣.exe", oem).text;
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.end() - 4, bytes.end()), "Exit");
    for (auto b : bytes) EXPECT_NE(b, 0);
  }
}

}  // namespace
}  // namespace vex::online
