// The version page as any server may send it: the fields come out as
// pieces of the page, and a release is announced only when its statement
// reads back as the one spelling, names the page's edition and is newer.
#include <algorithm>
#include <string>

#include "fuzz_input.h"
#include "net/text_ops.h"
#include "online/release_statement.h"
#include "online/version_page.h"

using namespace vex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes fetched(data, data + size);
  const online::Text page = online::versionPageText(fetched);
  require(page.size() <= size && page.find('\0') == std::string::npos);
  const online::VersionInfo info = online::parseVersionPage(page);
  for (const auto* field :
       {&info.edition, &info.download, &info.update, &info.statement, &info.statementSignature}) {
    require(field->size() < page.size() || field->empty());
    require(page.find(*field) != std::string::npos);
  }
  if (const auto release = online::announcedRelease(info, online::CURRENT_VERSION)) {
    require(release->edition == info.edition && online::releaseStatementText(*release) == info.statement);
  }
  const std::size_t buffer =
      online::versionReadBufferSize(std::string(page, 0, std::min<std::size_t>(page.size(), 40)));
  require(buffer >= 1 && buffer <= 102400);
  const online::Text trimmed = text::trim(info.download);
  require(info.download.find(trimmed) != std::string::npos);
  return 0;
}
