#include "net/header_names.h"

#include "net/text_ops.h"

namespace vex {

std::string capitalize_first(std::string_view name) {
  std::string out(name);
  if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') out[0] = static_cast<char>(out[0] - 'a' + 'A');
  return out;
}

std::string normalize_header_names(std::string_view headers) {
  std::string out;
  for (const std::string& line : text::split(headers, "\r\n")) {
    const int colon = text::find(line, ":");
    if (colon == -1) continue;
    const std::string name = text::left(line, colon - 1);
    // A name without "-" is one piece.
    std::string fixed;
    const TextList pieces = text::split(name, "-");
    for (int k = 1; k <= pieces.count(); ++k) {
      if (k > 1) fixed += '-';
      fixed += capitalize_first(pieces[k]);
    }
    out += fixed;
    out += text::right(line, text::length(line) - text::length(fixed));
    out += "\r\n";
  }
  return text::left(out, text::length(out) - 2);
}

}  // namespace vex
