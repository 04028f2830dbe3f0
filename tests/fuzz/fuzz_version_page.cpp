// The version page as any server may send it: the fields come out as
// pieces of the page, and "new" means exactly a non-empty edition other
// than the current one.
#include <algorithm>
#include <string>

#include "fuzz_input.h"
#include "online/version_page.h"

using namespace vex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes fetched(data, data + size);
  const online::Text page = online::versionPageText(fetched);
  require(page.size() <= size && page.find('\0') == std::string::npos);
  const online::VersionInfo info = online::parseVersionPage(page);
  for (const auto* field : {&info.edition, &info.download, &info.update, &info.sha256, &info.signature}) {
    require(field->size() < page.size() || field->empty());
    require(page.find(*field) != std::string::npos);
  }
  require(online::announcesNewVersion(info) ==
          (!info.edition.empty() && info.edition != online::CURRENT_VERSION));
  const std::size_t buffer =
      online::versionReadBufferSize(std::string(page, 0, std::min<std::size_t>(page.size(), 40)));
  require(buffer >= 1 && buffer <= 102400);
  const online::Text trimmed = online::trimBlanks(info.download);
  require(info.download.find(trimmed) != std::string::npos);
  return 0;
}
