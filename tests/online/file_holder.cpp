// Holds a file open the way a virus scanner may: reading, sharing only
// reads, so that nobody can rename or delete it meanwhile. Used by the
// end-to-end update test to lock the new executable between the check and
// the swap. file_holder <path> <seconds> <event name>: signals the named
// event once the file is held.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  if (HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3])) {
    SetEvent(held);
    CloseHandle(held);
  }
  Sleep(static_cast<DWORD>(std::stoul(argv[2]) * 1000));
  CloseHandle(file);
  return 0;
}
