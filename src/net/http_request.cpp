#include "net/http_request.h"

#include <array>

#include "net/cookie_merge.h"
#include "net/header_names.h"
#include "net/set_cookies.h"
#include "net/text_extract.h"
#include "net/text_ops.h"
#include "toolkit/internet/fetch.h"
#include "toolkit/internet/url_parts.h"

namespace vex {
namespace {

constexpr std::array<const char*, 8> kVerbs = {"GET",     "POST",   "HEAD",  "PUT",
                                               "OPTIONS", "DELETE", "TRACE", "CONNECT"};
constexpr std::int32_t kPost = 1;
constexpr std::size_t kChunk = 1024;
constexpr std::uint32_t kHeaderBuffer = 5000;

void completeHeaders(std::string& headers, std::string_view url, std::int32_t method) {
  auto lacks = [&headers](std::string_view name) { return text::find(headers, name, 1, true) == -1; };
  if (headers.empty()) headers = "Accept: */*";
  if (lacks("Accept:")) headers += "\r\nAccept: */*";
  if (lacks("Referer:")) headers.append("\r\nReferer: ").append(url);
  if (lacks("Accept-Language:")) headers += "\r\nAccept-Language: zh-cn";
  if (method == kPost && lacks("Content-Type:"))
    headers += "\r\nContent-Type: application/x-www-form-urlencoded";
}

// The raw header block. A block longer than the first buffer is asked for
// again with the size the library reports, so its cookies are not lost.
std::string queryRawHeaders(InternetApi& api, InternetHandle request) {
  std::string buffer(kHeaderBuffer, ' ');
  std::uint32_t length = kHeaderBuffer;
  bool ok = api.queryInfo(request, inet::kQueryRawHeadersCrLf, buffer, length);
  if (!ok && length > buffer.size()) {
    // One spare byte, should the reported size leave out the NUL.
    buffer.assign(std::size_t{length} + 1, ' ');
    length = static_cast<std::uint32_t>(buffer.size());
    ok = api.queryInfo(request, inet::kQueryRawHeadersCrLf, buffer, length);
    // Still failing leaves the first buffer's content, as for any failure.
    if (!ok) buffer.assign(kHeaderBuffer, ' ');
  }
  const auto nul = buffer.find('\0');
  if (nul != std::string::npos) buffer.resize(nul);
  return buffer;
}

// The user agent named in a header block, or the default one.
std::string agent_from_headers(std::string_view headers) {
  if (text::find(headers, "User-Agent:", 1, true) == -1) return kDefaultAgent;
  std::string agent = text::trim(text_between(std::string(headers) + "\r\n", "User-Agent:", "\r\n"));
  if (agent.empty()) agent = text_after_colon(headers);
  return agent;
}

}  // namespace

Bytes http_request(BoundedInternet& net, std::string_view url, const HttpRequestArgs& args) {
  std::string scratchCookies, scratchHeaders, scratchGotHeaders;
  Bytes scratchForm;
  std::string& gotCookies = args.got_cookies ? *args.got_cookies : scratchCookies;
  std::string& headers = args.headers ? *args.headers : scratchHeaders;
  std::string& gotHeaders = args.got_headers ? *args.got_headers : scratchGotHeaders;
  Bytes& formBytes = args.form_bytes ? *args.form_bytes : scratchForm;
  const bool cookiesGiven = args.send_cookies != nullptr;
  const std::string proxy = args.proxy.value_or("");

  std::int32_t method = args.method.value_or(0);
  if (method < 0 || method > 7) method = 0;
  const bool secure = text::to_lower(text::left(url, 8)) == "https://";

  Request request{
      .agent = agent_from_headers(headers),
      .address = {.secure = secure, .host = url_host(url), .port = url_port(url), .path = url_path(url)},
      .verb = kVerbs[static_cast<std::size_t>(method)],
      .flags = inet::kFlagReload | inet::kFlagNeedFile,
      .followRedirects = !args.no_redirect.value_or(false),
      .requestOptions = {{inet::kOptionSecurityFlags, inet::kLenientCertificates}}};
  if (!proxy.empty()) {
    request.access = inet::kAccessNamedProxy;
    request.proxy = secure ? proxy : "http=" + proxy;
    request.proxyBypass = "";
  }
  if (cookiesGiven) request.flags |= inet::kFlagNoCookies;
  if (!secure) request.flags |= inet::kFlagIgnoreRedirectToHttps;

  // The header block and the body as sent; they reach the caller's
  // variables only once the request is open.
  std::string sentHeaders = headers;
  if (args.complete_headers.value_or(true)) completeHeaders(sentHeaders, url, method);
  if (args.fix_header_case.value_or(true)) sentHeaders = normalize_header_names(sentHeaders);
  // After the re-casing, so the cookie line goes out as the caller wrote it.
  if (cookiesGiven && !args.send_cookies->empty()) {
    const std::string& cookies = *args.send_cookies;
    sentHeaders += text::find(cookies, "Cookie:") == -1 ? "\r\nCookie: " : "\r\n";
    sentHeaders += cookies;
  }
  Bytes sentForm = formBytes;
  if (method != 0 && sentForm.empty()) {
    const std::string form = args.form_text.value_or("");
    sentForm.assign(form.begin(), form.begin() + text::length(form));
  }
  request.headers = sentHeaders;
  if (method != 0) request.body = sentForm;

  Exchange exchange = fetch(net, request);
  if (!exchange.opened()) return {};
  headers = std::move(sentHeaders);
  if (method != 0) formBytes = std::move(sentForm);

  Bytes body;
  std::array<std::uint8_t, kChunk> chunk{};
  std::uint32_t read = 0;
  do {
    read = 0;  // a failed read must end the loop, not repeat the last chunk
    net.readFile(exchange.request(), chunk, read);
    if (read > chunk.size()) read = static_cast<std::uint32_t>(chunk.size());
    body.insert(body.end(), chunk.begin(), chunk.begin() + read);
  } while (read != 0);

  gotHeaders = queryRawHeaders(net, exchange.request());
  exchange.close();

  gotCookies = collect_set_cookies(gotHeaders);
  if (args.auto_merge_cookies.value_or(true) && cookiesGiven) {
    gotCookies = merge_cookies(*args.send_cookies, gotCookies);
  }
  return body;
}

}  // namespace vex
