// Times http_request fetching one URL through WinInet: http_fetch_timer URL
// [runs]. Prints one line per run and the best throughput in MB/s, then the
// bare library loop with the same 1024-byte reads and with 64 KB reads, to
// tell the routine's own cost from the library's.
#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "net/http_request.h"
#include "toolkit/internet/url_parts.h"

namespace {

double seconds(LARGE_INTEGER start, LARGE_INTEGER end, LARGE_INTEGER frequency) {
  return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The same exchange straight through WinInet, no headers, `chunk`-byte reads.
std::size_t bareFetch(const std::string& host, int port, const std::string& path, DWORD chunk) {
  HINTERNET root = InternetOpenA(vex::kDefaultAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  HINTERNET connection = InternetConnectA(root, host.c_str(), static_cast<INTERNET_PORT>(port), nullptr,
                                          nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  HINTERNET request =
      HttpOpenRequestA(connection, "GET", path.c_str(), "HTTP/1.1", nullptr, nullptr, 0x80004010, 0);
  HttpSendRequestA(request, "", 0, nullptr, 0);
  std::vector<char> buffer(chunk), body;
  DWORD read = 0;
  do {
    read = 0;
    InternetReadFile(request, buffer.data(), chunk, &read);
    body.insert(body.end(), buffer.begin(), buffer.begin() + read);
  } while (read != 0);
  InternetCloseHandle(request);
  InternetCloseHandle(connection);
  InternetCloseHandle(root);
  return body.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: http_fetch_timer URL [runs]\n");
    return 2;
  }
  const std::string url = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  double best = 0;
  std::size_t size = 0;
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&start);
    const vex::Bytes body = vex::http_request(url);
    QueryPerformanceCounter(&end);
    const double s = seconds(start, end, frequency);
    size = body.size();
    const double mbps = static_cast<double>(size) / s / 1e6;
    std::printf("run %d: %zu bytes in %.4f s = %.1f MB/s\n", i + 1, size, s, mbps);
    if (mbps > best) best = mbps;
  }
  std::printf("best %.1f MB/s bytes %zu\n", best, size);
  const std::string host = vex::url_host(url);
  const int port = vex::url_port(url);
  const std::string path = vex::url_path(url);
  for (DWORD chunk : {1024u, 65536u}) {
    double bestBare = 0;
    for (int i = 0; i < runs; ++i) {
      QueryPerformanceCounter(&start);
      const std::size_t n = bareFetch(host, port, path, chunk);
      QueryPerformanceCounter(&end);
      const double mbps = static_cast<double>(n) / seconds(start, end, frequency) / 1e6;
      if (mbps > bestBare) bestBare = mbps;
    }
    std::printf("bare-%lu %.1f MB/s\n", static_cast<unsigned long>(chunk), bestBare);
  }
  return size == 0 ? 1 : 0;
}
