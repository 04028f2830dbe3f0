#include "toolkit/internet/internet_query.h"

#include <array>

namespace vex {

std::string queryText(InternetApi& api, InternetHandle request, std::uint32_t level) {
  std::array<char, 256> text{};
  std::uint32_t length = text.size() - 1;
  if (!api.queryInfo(request, level, std::span(text).first(text.size() - 1), length)) return {};
  return std::string(text.data(), std::min<std::size_t>(length, text.size() - 1));
}

int queryStatus(InternetApi& api, InternetHandle request) {
  const std::string text = queryText(api, request, inet::kQueryStatusCode);
  int status = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || status > 999) return 0;
    status = status * 10 + (c - '0');
  }
  return status;
}

}  // namespace vex
