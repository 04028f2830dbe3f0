#include "online/update_script.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vex::online {
namespace {

std::string script(const std::string& name, unsigned oem = 936) {
  const Bytes bytes = buildUpdateScript(name, name + ".old", oem).text;
  return std::string(bytes.begin(), bytes.end());
}

TEST(UpdateScript, ShippedNameKeepsTheLineOrderAndNeverDeletesBeforeReplacing) {
  // kill, the old file aside (where "Del" stood), the new one in, start,
  // tidy up what it moved itself, "Del %0", "Exit".
  const std::string expected =
      "@echo off\r\n"
      "set VEXBOX_MOVED=\r\n"
      "Taskkill /f /im \xD5\xF3\xCF\xBB.exe\r\n"
      "ren \xD5\xF3\xCF\xBB.exe \xD5\xF3\xCF\xBB.exe.old2\r\n"
      "if not exist \xD5\xF3\xCF\xBB.exe set VEXBOX_MOVED=1\r\n"
      "ren \xD5\xF3\xCF\xBB.exe.tmp \xD5\xF3\xCF\xBB.exe\r\n"
      "if not exist \xD5\xF3\xCF\xBB.exe if defined VEXBOX_MOVED ren \xD5\xF3\xCF\xBB.exe.old2 "
      "\xD5\xF3\xCF\xBB.exe\r\n"
      "start \xD5\xF3\xCF\xBB.exe\r\n"
      "if defined VEXBOX_MOVED if exist \xD5\xF3\xCF\xBB.exe.old2 ping -n 2 127.0.0.1 >nul\r\n"
      "if defined VEXBOX_MOVED if exist \xD5\xF3\xCF\xBB.exe.old2 Del /q \xD5\xF3\xCF\xBB.exe.old2\r\n"
      "if exist \xD5\xF3\xCF\xBB.exe.tmp Del /q \xD5\xF3\xCF\xBB.exe.tmp\r\n"
      "Del %0\r\n"
      "Exit";
  const UpdateScript s = buildUpdateScript("阵匣.exe", "阵匣.exe.old2", 936);
  EXPECT_EQ(std::string(s.text.begin(), s.text.end()), expected);
  EXPECT_TRUE(s.environment.empty());
  EXPECT_EQ(std::string(kUpdateTempName), "\xD5\xF3\xCF\xBB.exe.tmp");
}

TEST(UpdateScript, RenamedPlainExecutableKeepsTheFixedTemporaryName) {
  const std::string s = script("box.exe");
  EXPECT_NE(s.find("\r\nTaskkill /f /im box.exe\r\n"), std::string::npos);
  EXPECT_NE(s.find("\r\nren box.exe box.exe.old\r\nif not exist box.exe set VEXBOX_MOVED=1\r\n"
                   "ren \xD5\xF3\xCF\xBB.exe.tmp box.exe\r\n"),
            std::string::npos);
  EXPECT_NE(s.find("\r\nstart box.exe\r\n"), std::string::npos);
}

TEST(UpdateScript, OtherCodePagesAndOddNamesGoThroughTheEnvironment) {
  for (const auto& [name, oem] : {std::pair<std::string, unsigned>{"阵匣.exe", 437},
                                  {"box.exe", 1252},
                                  {"my box.exe", 936},
                                  {"a&b %PATH% (1);x^y.exe", 936},
                                  {"a,b (1);x=y.exe", 936}}) {
    SCOPED_TRACE(name);
    const UpdateScript u = buildUpdateScript(name, name + ".old", oem);
    const std::string s(u.text.begin(), u.text.end());
    // Only ASCII in the file: it reads the same in every code page.
    for (unsigned char c : s) EXPECT_LT(c, 0x80);
    EXPECT_EQ(
        s,
        "@echo off\r\n"
        "set VEXBOX_MOVED=\r\n"
        "Taskkill /f /im \"%VEXBOX_OWN%\"\r\n"
        "ren \"%VEXBOX_OWN%\" \"%VEXBOX_OLD%\"\r\n"
        "if not exist \"%VEXBOX_OWN%\" set VEXBOX_MOVED=1\r\n"
        "ren \"%VEXBOX_NEW%\" \"%VEXBOX_OWN%\"\r\n"
        "if not exist \"%VEXBOX_OWN%\" if defined VEXBOX_MOVED ren \"%VEXBOX_OLD%\" \"%VEXBOX_OWN%\"\r\n"
        "start \"\" \"%VEXBOX_OWN%\"\r\n"
        "if defined VEXBOX_MOVED if exist \"%VEXBOX_OLD%\" ping -n 2 127.0.0.1 >nul\r\n"
        "if defined VEXBOX_MOVED if exist \"%VEXBOX_OLD%\" Del /q \"%VEXBOX_OLD%\"\r\n"
        "if exist \"%VEXBOX_NEW%\" Del /q \"%VEXBOX_NEW%\"\r\n"
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
    const Bytes bytes = buildUpdateScript("阵匣.exe", "阵匣.exe.old", oem).text;
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.end() - 4, bytes.end()), "Exit");
    for (auto b : bytes) EXPECT_NE(b, 0);
  }
}

TEST(UpdateScript, NamesTheScriptCannotCarryAreRefused) {
  // Quoted in the environment these stay names.
  for (const char* name : {"阵匣.exe", "my box.exe", "a,b (1);x=y.exe", "\xD5\x7C.exe", "#1 @home~.exe"})
    EXPECT_TRUE(scriptCanCarry(name)) << name;
  // Expanded again, wildcards (a character GBK lacks becomes "?"), syntax.
  for (const char* name : {"", "a%PATH%b.exe", "a!x!.exe", "vex?.exe", "a*.exe", "a^b.exe", "a&b.exe",
                           "a\"b.exe", "a<b.exe", "a>b.exe", "a|b.exe", "a\tb.exe", "a\x7F.exe", "\xD5"})
    EXPECT_FALSE(scriptCanCarry(name)) << name;
}

TEST(UpdateScript, AsideNameIsOneNothingHoldsYet) {
  std::vector<std::string> held;
  const auto taken = [&](const std::string& name) {
    return std::find(held.begin(), held.end(), name) != held.end();
  };
  EXPECT_EQ(updateAsideName("box.exe", taken), "box.exe.old");
  // A folder or a player's file of that name is never touched.
  held = {"box.exe.old", "box.exe.old2"};
  EXPECT_EQ(updateAsideName("box.exe", taken), "box.exe.old3");
  for (int n = 3; n <= 9; ++n) held.push_back("box.exe.old" + std::to_string(n));
  EXPECT_EQ(updateAsideName("box.exe", taken), "");
}

}  // namespace
}  // namespace vex::online
