// The runtime's answer to an index outside a 1-based list: a message, then
// the program ends. The handler is replaceable so tests can observe it.
#pragma once

namespace vex {

inline constexpr const char* kIndexBelowOne = "数组成员引用下标必须大于等于1";
inline constexpr const char* kIndexBeyondCount = "数组成员引用下标超出定义范围";

// Receives the GBK message; must not return.
using RangeFaultHandler = void (*)(const char* message);

// Installs a handler and returns the previous one. The default prints the
// message to stderr and ends the process with exit code 3.
RangeFaultHandler setRangeFaultHandler(RangeFaultHandler handler);

[[noreturn]] void reportRangeFault(const char* message);

}  // namespace vex
