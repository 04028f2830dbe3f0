#include "net/cookie_merge.h"

namespace vex {
namespace {

constexpr std::string_view kDeletedTail = "=deleted";

bool isDeletion(std::string_view entry) {
  return text::right(entry, static_cast<int>(kDeletedTail.size())) == kDeletedTail;
}

}  // namespace

std::string cookie_name(std::string_view entry) {
  const int p = text::find(entry, "=");
  return text::trim(p == -1 ? std::string(entry) : text::left(entry, p - 1));
}

bool has_cookie_named(const TextList& entries, std::string_view name) {
  for (const std::string& entry : entries) {
    if (cookie_name(entry) == name) return true;
  }
  return false;
}

std::string join_unique(std::string_view text, std::string_view separator) {
  TextList taken;
  std::string out;
  for (const std::string& piece : text::split(text, separator)) {
    if (taken.contains(piece)) continue;
    taken.append(piece);
    out += piece;
    out += separator;
  }
  return text::left(out, text::length(out) - text::length(separator));
}

std::string merge_cookies(std::string& old_cookies, std::string& new_cookies) {
  old_cookies = text::remove_blanks(old_cookies);
  new_cookies = text::remove_blanks(new_cookies);
  const TextList olds = text::split(old_cookies, ";");
  TextList merged = text::split(new_cookies, ";");
  // `merged` grows here, so only the first of several old entries of one
  // name can join, and an old entry never displaces a new one.
  for (const std::string& entry : olds) {
    if (!has_cookie_named(merged, cookie_name(entry))) merged.append(entry);
  }
  std::string result;
  for (const std::string& entry : merged) {
    if (isDeletion(entry)) continue;
    result += entry;
    result += "; ";
  }
  result = text::left(result, text::length(result) - 2);
  result = join_unique(result, "; ");
  old_cookies = result;
  return result;
}

}  // namespace vex
