#include "online/update_script.h"

#include <vector>

namespace vex::online {

namespace {

bool plainAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
         c == '_';
}

std::string quoted(const std::string& name) {
  std::string out = "\"";
  for (char c : name) {
    out += c;
    if (c == '%') out += '%';
  }
  return out + "\"";
}

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

Bytes buildUpdateScript(const std::string& ownName, unsigned oemCodePage) {
  const bool plain = isPlainScriptName(ownName);
  const std::string n = plain ? ownName : quoted(ownName);
  std::vector<std::string> lines{"@echo off"};
  if (oemCodePage != 936) {
    lines.push_back("chcp 936 >nul");
    // Some cmd versions keep decoding the file in the old code page whatever
    // chcp says; then a Chinese name reads as another file, and the old
    // executable must not be deleted for a new one that cannot be renamed.
    lines.push_back(std::string("if not exist ") + kUpdateTempName + " Exit");
    lines.push_back("if not exist " + n + " Exit");
  }
  lines.push_back("Taskkill /f /im " + n);
  lines.push_back("Del " + n);
  lines.push_back(std::string("ren ") + kUpdateTempName + " " + n);
  // start takes a first quoted argument as the window title.
  lines.push_back(plain ? "start " + n : "start \"\" " + n);
  lines.push_back("Del %0");
  lines.push_back("Exit");
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return Bytes(text.begin(), text.end());
}

}  // namespace vex::online
