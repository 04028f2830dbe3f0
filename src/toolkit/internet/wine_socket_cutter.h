// A workaround for Wine's WinInet, which does not end a call blocked on a
// request when the request's handle is closed: the call keeps its socket,
// and a server that trickles its bytes or says nothing holds it for as
// long as it likes. A shut socket ends the call. On Windows closing the
// handle already ends a blocked call; there the cut only shuts sockets
// that the close is about to let go of.
//
// WinInet does not tell which socket a request uses, so each send of the
// job watches for it: the process's TCP sockets to the job's peers are
// noted before the send, and those that appear while it runs are the
// job's. A cut shuts only these, known by handle, local and peer address
// (a handle value used again for a later connection is another socket).
//
// Limits:
// - Sockets are found by probing the handle values 4 to 0x4000 as
//   sockets; one with a higher value is never found.
// - A connection that another job opens to the same peer in the moment
//   before this send's own appears is taken for this job's.
// - A connection the library keeps from an earlier request to the same
//   peer and hands to this send (keep-alive) is not this job's until one
//   of its own sends opened it: then only the library's time-outs end it.
// - A socket still connecting has no peer yet; the connect time-out
//   bounds that phase.
// Windows only; ws2_32 is taken from the system folder while this lives.
#pragma once
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vex {

class WineSocketCutter {
 public:
  WineSocketCutter();
  ~WineSocketCutter();
  WineSocketCutter(const WineSocketCutter&) = delete;
  WineSocketCutter& operator=(const WineSocketCutter&) = delete;

  // Resolves `host` now (the library is about to do the same).
  void remember(const std::string& host, int port);
  // Shuts the sockets the job's sends opened.
  void cut();

  // While it lives (one send of the job), takes the sockets that appear
  // to the job's peers as the job's.
  class Watch {
   public:
    explicit Watch(WineSocketCutter& cutter);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

   private:
    bool claimNew();
    WineSocketCutter& cutter_;
    std::vector<std::string> before_;
    std::atomic<bool> done_{false};
    bool found_ = false;  // written by the poll, read after it ended
    std::thread poll_;
  };

  struct Sockets;

 private:
  struct Found {
    std::uintptr_t socket;
    std::string identity;  // handle, local and peer address
  };
  std::vector<Found> scan();
  void shut(std::uintptr_t socket);

  std::unique_ptr<Sockets> sockets_;
  std::mutex mutex_;
  std::vector<std::string> peers_;    // raw socket addresses
  std::vector<std::string> claimed_;  // identities of the job's sockets
  bool cut_ = false;
};

}  // namespace vex
