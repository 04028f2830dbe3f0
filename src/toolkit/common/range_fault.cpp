#include "toolkit/common/range_fault.h"

#include <cstdio>
#include <cstdlib>

namespace vex {
namespace {

void defaultHandler(const char* message) {
  std::fprintf(stderr, "%s\n", message);
  std::_Exit(3);
}

RangeFaultHandler gHandler = defaultHandler;

}  // namespace

RangeFaultHandler setRangeFaultHandler(RangeFaultHandler handler) {
  RangeFaultHandler previous = gHandler;
  gHandler = handler ? handler : defaultHandler;
  return previous;
}

void reportRangeFault(const char* message) {
  gHandler(message);
  // A handler that returns would let the faulty access go on.
  std::_Exit(3);
}

}  // namespace vex
