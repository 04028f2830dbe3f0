#include "online/update_script.h"

namespace vex::online {

namespace {

bool plainAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
         c == '_';
}

// How the script spells the three file names.
struct Names {
  std::string own, fresh, old;
};

}  // namespace

bool isPlainScriptName(const std::string& name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c >= 0x81 && c <= 0xFE) {
      if (i + 1 >= name.size() || static_cast<unsigned char>(name[i + 1]) < 0x40) return false;
      ++i;
    } else if (!plainAscii(c)) {
      return false;
    }
  }
  return true;
}

UpdateScript buildUpdateScript(const std::string& ownName, unsigned oemCodePage) {
  UpdateScript script;
  const std::string oldName = ownName + kUpdateOldSuffix;
  Names n;
  if (oemCodePage == 936 && isPlainScriptName(ownName)) {
    n = {ownName, kUpdateTempName, oldName};
  } else {
    // Expanded once and quoted: no name character is taken as cmd syntax
    // ("%" is not expanded again, "&" and "^" stay inside the quotes).
    script.environment = {{"VEXBOX_OWN", ownName}, {"VEXBOX_NEW", kUpdateTempName}, {"VEXBOX_OLD", oldName}};
    n = {"\"%VEXBOX_OWN%\"", "\"%VEXBOX_NEW%\"", "\"%VEXBOX_OLD%\""};
  }
  const bool quoted = n.own[0] == '"';
  const std::vector<std::string> lines{
      "@echo off",
      "Taskkill /f /im " + n.own,
      // A backup left by an earlier update would block the move.
      "if exist " + n.old + " Del " + n.old,
      "ren " + n.own + " " + n.old,
      "ren " + n.fresh + " " + n.own,
      // The new file could not take the name: the old one comes back.
      "if not exist " + n.own + " ren " + n.old + " " + n.own,
      // start takes a first quoted argument as the window title.
      quoted ? "start \"\" " + n.own : "start " + n.own,
      // The old process may still be closing its image.
      "if exist " + n.old + " ping -n 2 127.0.0.1 >nul",
      "if exist " + n.old + " Del " + n.old,
      "if exist " + n.fresh + " Del " + n.fresh,
      "Del %0",
      "Exit",
  };
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  script.text.assign(text.begin(), text.end());
  return script;
}

}  // namespace vex::online
