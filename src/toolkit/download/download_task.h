// The settings record of one background download and the notices the
// downloader sends while it runs. Plain data, shared by the portable plan
// and the Win32 downloader.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace vex {

// Kinds of downloader notices.
inline constexpr int kNoticeProgress = 3;  // value: bytes in the file so far, total: announced length
inline constexpr int kNoticeEnded = 4;     // value: 1 when the file is complete, 0 otherwise

// Why a finished task did not produce a complete file.
enum class DownloadFailure {
  None,
  BadAddress,   // empty, not http/https, or holding control bytes
  Connect,      // could not open, connect or send
  HttpStatus,   // status other than 200/206 (status holds it)
  BadRange,     // 206 whose Content-Range is not what was asked for
  Cut,          // a read failed, or the body ended early
  WrongLength,  // more or fewer bytes than announced
  Empty,        // zero-byte body
  NoLength,     // neither Content-Length nor a Content-Range total: completeness unknowable
  TooLarge,     // announced length above kMaxDownloadBytes
  File,         // creating or writing the target file failed
  Stopped,      // stop() was called
  TimedOut,     // not finished in time, or nothing received for too long
  Redirects,    // more redirects than one request may take
};

struct DownloadNotice {
  int kind = 0;
  std::int64_t value = 0;
  std::int64_t total = 0;  // announced length, 0 when unknown
  DownloadFailure failure = DownloadFailure::None;
  int status = 0;  // HTTP status of the first response
};

// Called on a downloader thread; returns 0.
using DownloadNotify = std::function<int(const DownloadNotice&)>;

inline constexpr int kTaskToFile = 4096;

// Field order and defaults as the program creates the record at start.
struct DownloadTask {
  int kind = 1;
  std::string address;
  std::string file;  // GBK path of the target file
  std::string userName = "anonymous";
  std::string password = "anonymous@vexbox.invalid";
  int connections = 1;
  int reserved1 = 0;
  int connectTimeoutMs = 20000;   // time setting 1
  int sendTimeoutMs = 20000;      // time setting 2
  int receiveTimeoutMs = 20000;   // time setting 3
  int progressIntervalMs = 1000;  // time setting 4: at most one progress notice per interval
  int readBufferBytes = 20480;    // size setting 1
  int minRangeBytes = 1024;       // size setting 2: smallest range worth a connection of its own
  int reserved2 = 0;
  DownloadNotify notify;
  std::string text;
  int flag = 1;
  std::string fileTypes = ".exe|.rar|.zip|.gif|.jpg|.mp3|.rm";
  // The whole task ends after the longer of deadlineMs and the announced
  // length at minBytesPerSecond, or after idleMs without a byte.
  int deadlineMs = 60000;
  int minBytesPerSecond = 64 * 1024;
  int idleMs = 30000;
};

}  // namespace vex
