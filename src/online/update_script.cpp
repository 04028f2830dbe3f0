#include "online/update_script.h"

#include <string_view>

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

// Set by the script once the old executable stands aside; only then is
// the aside name its own to move back or delete.
constexpr char kMovedFlag[] = "VEXBOX_MOVED";

// Every byte outside GBK's two-byte characters passes `single`; a lead
// byte without its trail byte fails (the trail byte is part of the
// character, never syntax).
template <typename Single>
bool everyCharacter(const std::string& name, Single single) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c >= 0x81 && c <= 0xFE) {
      if (i + 1 >= name.size() || static_cast<unsigned char>(name[i + 1]) < 0x40) return false;
      ++i;
    } else if (!single(c)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool isPlainScriptName(const std::string& name) { return everyCharacter(name, plainAscii); }

bool scriptCanCarry(const std::string& name) {
  static constexpr std::string_view kRefused = "%!?*^&\"<>|";
  return everyCharacter(name, [](unsigned char c) {
    return c >= 0x20 && c < 0x7F && kRefused.find(static_cast<char>(c)) == std::string_view::npos;
  });
}

std::string updateAsideName(const std::string& ownName,
                            const std::function<bool(const std::string&)>& taken) {
  for (int n = 1; n <= 9; ++n) {
    std::string name = ownName + kUpdateOldSuffix;
    if (n > 1) name += std::to_string(n);
    if (!taken(name)) return name;
  }
  return {};
}

UpdateScript buildUpdateScript(const std::string& ownName, const std::string& asideName,
                               unsigned oemCodePage) {
  UpdateScript script;
  Names n;
  if (oemCodePage == 936 && isPlainScriptName(ownName) && isPlainScriptName(asideName)) {
    n = {ownName, kUpdateTempName, asideName};
  } else {
    // Expanded once and quoted: no name character is taken as cmd syntax.
    script.environment = {
        {"VEXBOX_OWN", ownName}, {"VEXBOX_NEW", kUpdateTempName}, {"VEXBOX_OLD", asideName}};
    n = {"\"%VEXBOX_OWN%\"", "\"%VEXBOX_NEW%\"", "\"%VEXBOX_OLD%\""};
  }
  const bool quoted = n.own[0] == '"';
  const std::string moved = std::string("if defined ") + kMovedFlag + " ";
  const std::vector<std::string> lines{
      "@echo off",
      std::string("set ") + kMovedFlag + "=",
      "Taskkill /f /im " + n.own,
      // Wine's cmd runs "&&" after a failed ren too: the name being gone is
      // the proof that the move worked.
      "ren " + n.own + " " + n.old,
      "if not exist " + n.own + " set " + kMovedFlag + "=1",
      "ren " + n.fresh + " " + n.own,
      // The new file could not take the name: the old one comes back.
      "if not exist " + n.own + " " + moved + "ren " + n.old + " " + n.own,
      // start takes a first quoted argument as the window title.
      quoted ? "start \"\" " + n.own : "start " + n.own,
      // The old process may still be closing its image. "Del" of a folder
      // asks, and with /q empties it: only ever the file moved aside.
      moved + "if exist " + n.old + " ping -n 2 127.0.0.1 >nul",
      moved + "if exist " + n.old + " Del /q " + n.old,
      "if exist " + n.fresh + " Del /q " + n.fresh,
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
