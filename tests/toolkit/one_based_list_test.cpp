#include "toolkit/common/one_based_list.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <string>

namespace vex {
namespace {

std::jmp_buf gEscape;
std::string gMessage;

[[noreturn]] void recordFault(const char* message) {
  gMessage = message;
  std::longjmp(gEscape, 1);
}

// Runs `access` and returns the range-fault message it raised, or "" if none.
template <typename F>
std::string faultOf(F access) {
  gMessage.clear();
  RangeFaultHandler previous = setRangeFaultHandler(recordFault);
  if (setjmp(gEscape) == 0) access();
  setRangeFaultHandler(previous);
  return gMessage;
}

TEST(OneBasedList, NumbersFromOneAndFindsByValue) {
  OneBasedList<int> list{10, 20, 30};
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list[1], 10);
  EXPECT_EQ(list[3], 30);
  EXPECT_EQ(list.find(20), 2);
  EXPECT_EQ(list.find(99), 0);
  list.remove(1);
  EXPECT_EQ(list[1], 20);
  EXPECT_EQ(list.count(), 2);
}

TEST(OneBasedList, IndexOutsideReportsTheRuntimeMessages) {
  OneBasedList<int> list{1, 2};
  EXPECT_EQ(faultOf([&] { (void)list[0]; }), kIndexBelowOne);
  EXPECT_EQ(faultOf([&] { (void)list[-5]; }), kIndexBelowOne);
  EXPECT_EQ(faultOf([&] { (void)list[3]; }), kIndexBeyondCount);
  EXPECT_EQ(faultOf([&] { list.remove(3); }), kIndexBeyondCount);
  OneBasedList<int> empty;
  EXPECT_EQ(faultOf([&] { (void)empty[1]; }), kIndexBeyondCount);
  EXPECT_EQ(faultOf([&] { (void)list[2]; }), "");
}

TEST(OneBasedList, MessagesAreGbk) {
  // "数" is 0xCA 0xFD in GBK; the build compiles narrow literals to GBK.
  EXPECT_EQ(static_cast<unsigned char>(kIndexBelowOne[0]), 0xCA);
  EXPECT_EQ(static_cast<unsigned char>(kIndexBelowOne[1]), 0xFD);
}

}  // namespace
}  // namespace vex
