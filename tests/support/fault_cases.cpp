#include "fault_cases.h"

namespace vex::test {

const char* hostileName(Hostile hostile) {
  switch (hostile) {
    case Hostile::SlowStatusLine:
      return "SlowStatusLine";
    case Hostile::SelfRedirect:
      return "SelfRedirect";
    case Hostile::RedirectLoop:
      return "RedirectLoop";
    case Hostile::Trickle:
      return "Trickle";
    case Hostile::TrickleOfAnnouncedLength:
      return "TrickleOfAnnouncedLength";
    case Hostile::EndlessBody:
      return "EndlessBody";
    case Hostile::RedirectToHugeFile:
      return "RedirectToHugeFile";
  }
  return "?";
}

Reply hostileReply(Hostile hostile, const std::string& path) {
  switch (hostile) {
    case Hostile::SlowStatusLine:
      return {Fault::SlowStatus, "<html>slow</html>"};
    case Hostile::SelfRedirect:
      return {Fault::Redirect, path};
    case Hostile::RedirectLoop: {
      const auto again = path.find("?again");
      return {Fault::Redirect, again == std::string::npos ? path + "?again" : path.substr(0, again)};
    }
    case Hostile::Trickle:
      return {Fault::Trickle, "x"};
    case Hostile::TrickleOfAnnouncedLength:
      return {Fault::SlowTrickle, ""};
    case Hostile::EndlessBody:
      return {Fault::Endless, ""};
    case Hostile::RedirectToHugeFile:
      return path == "/huge" ? Reply{Fault::Huge, ""} : Reply{Fault::Redirect, "/huge"};
  }
  return {};
}

}  // namespace vex::test
