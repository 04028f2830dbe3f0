// The version page: what the maker's server announces and how it is read.
#pragma once
#include <cstddef>
#include <string>

#include "toolkit/common/embedded.h"

namespace vex::online {

using Text = std::string;  // GBK bytes

inline constexpr char CURRENT_VERSION[] = "2.1";
inline constexpr char kVersionPagePath[] = "/vexbox/Version.html";

// The last parse of the page; lives for the whole run (program-wide state).
struct VersionInfo {
  Text edition;             // as written, not trimmed
  Text download;            // address of the new executable (trimmed when used)
  Text update;              // "Y" means mandatory
  Text statement;           // the signed release statement (release_statement.h)
  Text statementSignature;  // base64 DER ECDSA signature of the statement's bytes
};

// The fetched bytes up to the first NUL.
Text versionPageText(const Bytes& fetched);

// Fields between "[start]" and "[end]", tags in any case, first occurrence,
// nothing trimmed; a missing tag leaves its field empty.
VersionInfo parseVersionPage(const Text& page);

// Read buffer of the page fetch from the raw Content-Length header text
// (empty when the header is missing): value + 1, at most 102400; 10240 when
// the value is missing or not above 0.
std::size_t versionReadBufferSize(const std::string& contentLength);

// "http://" + host + the page path.
Text versionPageAddress(const Text& host);

}  // namespace vex::online
