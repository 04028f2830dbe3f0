// vexbox.exe's resources read back through the Windows API (icon group,
// version block, manifest), the manifest's effect on a process that carries
// it (this test program links the same resources), and the program icon on
// the open windows.
#include <gtest/gtest.h>
// After app_fixture.h's windows.h.

#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/program_resources.h"
#include "app_fixture.h"
#include "online/version_page.h"
#include "toolkit/system/wide_text.h"
#include "ui/layout/layout_pictures.h"

namespace vex::test {
namespace {

struct ModuleFree {
  void operator()(HMODULE m) const { FreeLibrary(m); }
};
using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

struct IconDestroy {
  void operator()(HICON i) const { DestroyIcon(i); }
};
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroy>;

struct ActCtxRelease {
  void operator()(HANDLE h) const { ReleaseActCtx(h); }
};

// The built program beside this test's build tree. CTest hands over the
// build folder as a Unix path; Wine maps the Unix root to drive Z:.
std::wstring programPath() {
  const char* build = std::getenv("VEX_BUILD_DIR");
  std::string path = build ? build : ".";
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  return win::widen(path + "/vexbox.exe");
}

Module loadProgram() {
  return Module(LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

// Resource types by number (the RT_ macros follow UNICODE, which is not set).
constexpr int kIcon = 3, kGroupIcon = 14, kManifest = 24;

std::vector<std::uint8_t> resourceBytes(HMODULE m, int id, int type) {
  HRSRC r = FindResourceW(m, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
  if (!r) return {};
  HGLOBAL g = LoadResource(m, r);
  const auto* p = static_cast<const std::uint8_t*>(LockResource(g));
  if (!p) return {};
  return {p, p + SizeofResource(m, r)};
}

template <typename T>
T readAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  T value{};
  if (offset + sizeof value <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// One row of an RT_GROUP_ICON directory (14 bytes, no padding in the file).
struct GroupEntry {
  int width;  // 0 stands for 256
  int bitCount;
  std::uint32_t bytes;
  int id;
};

std::vector<GroupEntry> iconGroup(HMODULE m) {
  const auto dir = resourceBytes(m, VEX_PROGRAM_ICON, kGroupIcon);
  std::vector<GroupEntry> entries;
  if (dir.size() < 6 || readAt<std::uint16_t>(dir, 2) != 1) return entries;
  const int count = readAt<std::uint16_t>(dir, 4);
  for (int i = 0; i < count; ++i) {
    const std::size_t at = 6 + 14 * static_cast<std::size_t>(i);
    if (at + 14 > dir.size()) break;
    entries.push_back(GroupEntry{dir[at], readAt<std::uint16_t>(dir, at + 6),
                                 readAt<std::uint32_t>(dir, at + 8), readAt<std::uint16_t>(dir, at + 12)});
  }
  return entries;
}

int bitmapWidth(HBITMAP b) {
  BITMAP info{};
  return b && GetObjectW(b, sizeof info, &info) ? info.bmWidth : 0;
}

// The colour bitmap's width of an icon; frees the bitmaps GetIconInfo makes.
int iconWidth(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  const int width = bitmapWidth(info.hbmColor ? info.hbmColor : info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return width;
}

TEST(ProgramFile, IconGroupHoldsTheFourSizesEachDecodable) {
  Module program = loadProgram();
  ASSERT_TRUE(program) << "cannot load vexbox.exe as data";
  const std::vector<GroupEntry> group = iconGroup(program.get());
  std::set<int> widths;
  for (const GroupEntry& e : group) {
    SCOPED_TRACE("icon entry " + std::to_string(e.width));
    const int width = e.width == 0 ? 256 : e.width;
    widths.insert(width);
    EXPECT_EQ(e.bitCount, 32);
    const auto image = resourceBytes(program.get(), e.id, kIcon);
    ASSERT_EQ(image.size(), e.bytes) << "the group's size matches its RT_ICON entry";
    if (width == 256) {
      // Explorer's large views read the 256 px entry as a PNG stream.
      EXPECT_EQ(std::memcmp(image.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    } else {
      EXPECT_EQ(readAt<std::uint32_t>(image, 0), 40u) << "BITMAPINFOHEADER";
      EXPECT_EQ(readAt<std::int32_t>(image, 4), width);
      EXPECT_EQ(readAt<std::int32_t>(image, 8), 2 * width) << "colour and mask rows";
      EXPECT_EQ(readAt<std::uint16_t>(image, 14), 32);
    }
    Icon icon(CreateIconFromResourceEx(const_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()),
                                       TRUE, 0x00030000, width, width, LR_DEFAULTCOLOR));
    ASSERT_TRUE(icon) << "the system decodes the entry";
    EXPECT_EQ(iconWidth(icon.get()), width);
  }
  EXPECT_EQ(widths, (std::set<int>{16, 32, 48, 256}));
}

TEST(ProgramFile, SmallestIconIsTheTitleStripLogo) {
  Module program = loadProgram();
  ASSERT_TRUE(program);
  int id = -1;
  for (const GroupEntry& e : iconGroup(program.get()))
    if (e.width == 16) id = e.id;
  ASSERT_NE(id, -1);
  const auto image = resourceBytes(program.get(), id, kIcon);
  // The title strip's logo.ico: a 6-byte header, one 16-byte row, then the
  // same BITMAPINFOHEADER + BGRA rows layout as an RT_ICON entry.
  const auto logo = assets::layoutLogoIco.span();
  constexpr std::size_t kHeader = 40, kPixels = 16 * 16 * 4, kLogoImage = 6 + 16;
  ASSERT_GE(image.size(), kHeader + kPixels);
  ASSERT_GE(logo.size(), kLogoImage + kHeader + kPixels);
  EXPECT_EQ(std::memcmp(image.data() + kHeader, logo.data() + kLogoImage + kHeader, kPixels), 0)
      << "the 16 px program icon differs from the logo in the title strip";
}

std::wstring versionString(const std::vector<std::uint8_t>& block, const wchar_t* name) {
  struct Translation {
    WORD language, codePage;
  };
  Translation* t = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&t), &length) ||
      length < sizeof *t)
    return L"(no translation)";
  wchar_t path[128];
  swprintf(path, std::size(path), L"\\StringFileInfo\\%04x%04x\\%ls", t->language, t->codePage, name);
  wchar_t* text = nullptr;
  if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&text), &length) || !text)
    return L"(missing)";
  return text;
}

TEST(ProgramFile, VersionBlockCarriesTheProgramVersion) {
  const std::wstring path = programPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u) << "no version block";
  std::vector<std::uint8_t> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_GE(length, sizeof *fixed);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 2)) << "2.1 as 2,1,0,0";
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 2));
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  // The texts come from the same constant the title and the version check use.
  EXPECT_EQ(versionString(block, L"FileVersion"), win::widen(online::CURRENT_VERSION));
  EXPECT_EQ(versionString(block, L"ProductVersion"), L"2.1");
  EXPECT_EQ(versionString(block, L"ProductName"), L"Vexbox");
  EXPECT_EQ(versionString(block, L"OriginalFilename"), L"vexbox.exe");
  EXPECT_FALSE(versionString(block, L"FileDescription").empty());
}

std::wstring manifestSetting(HANDLE context, const wchar_t* space, const wchar_t* name) {
  wchar_t value[128] = {};
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, context, space, name, value, std::size(value), &written)) return L"(none)";
  return value;
}

TEST(ProgramFile, ManifestAsksForCommonControls6AndDpiAwareness) {
  Module program = loadProgram();
  ASSERT_TRUE(program);
  const auto bytes = resourceBytes(program.get(), 1, kManifest);
  const std::string text(bytes.begin(), bytes.end());
  ASSERT_FALSE(text.empty()) << "no RT_MANIFEST resource 1";
  const auto controls = text.find("name=\"Microsoft.Windows.Common-Controls\"");
  ASSERT_NE(controls, std::string::npos);
  EXPECT_EQ(text.find("version=\"6.0.0.0\"", controls), text.find("version=", controls));
  for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
    EXPECT_NE(text.find(os), std::string::npos) << "supportedOS " << os;

  // The loader's own reading of the manifest, as at a start of the program:
  // a manifest the system cannot parse would be dropped without a word.
  const std::wstring path = programPath();
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE raw = CreateActCtxW(&request);
  ASSERT_NE(raw, INVALID_HANDLE_VALUE) << "the system rejects the manifest, error " << GetLastError();
  std::unique_ptr<void, ActCtxRelease> context(raw);
  EXPECT_EQ(manifestSetting(raw, nullptr, L"dpiAware"), L"true");
  EXPECT_EQ(manifestSetting(raw, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
            L"PerMonitorV2, System");
}

// An export by name; through void* because FARPROC's type is a placeholder.
template <typename Function>
Function exported(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// This test program carries the same manifest, so it runs as vexbox.exe does.
TEST(ManifestedProcess, GetsCommonControls6AndDpiAwareness) {
  InitCommonControls();
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  // Version 6 lives in the side-by-side store; the plain system copy is 5.8.
  // (Wine's copies both report 5.81 from DllGetVersion, so the path decides.)
  wchar_t path[MAX_PATH * 2] = {};
  ASSERT_GT(GetModuleFileNameW(comctl, path, static_cast<DWORD>(std::size(path))), 0u);
  std::wstring lower = path;
  for (wchar_t& c : lower) c = towlower(c);
  EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << lower;
  EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
      << lower;

  // Resolved at run time: the build targets Windows 7, which lacks them.
  HMODULE user = GetModuleHandleW(L"user32.dll");
  using ThreadContext = HANDLE(WINAPI*)();
  using Awareness = int(WINAPI*)(HANDLE);
  auto threadContext = exported<ThreadContext>(user, "GetThreadDpiAwarenessContext");
  auto awareness = exported<Awareness>(user, "GetAwarenessFromDpiAwarenessContext");
  ASSERT_TRUE(threadContext && awareness);
  EXPECT_EQ(awareness(threadContext()), 2) << "DPI_AWARENESS_PER_MONITOR_AWARE";
}

// The icon Alt-Tab and the taskbar show for a window, as GetClassLongPtr
// reads it; 0 when there is none.
int classIconWidth(HWND window, int which) {
  return iconWidth(reinterpret_cast<HICON>(GetClassLongPtrW(window, which)));
}

TEST(ProgramWindows, EveryWindowHasTheProgramIconBigAndSmall) {
  RunningApp run;
  run.ui().open(layout::kItemChartWindow);
  pump(200);
  for (std::int32_t id : {layout::kMainWindow, layout::kLineupWindow, layout::kItemChartWindow}) {
    SCOPED_TRACE("window " + std::to_string(id));
    HWND window = run.window(id);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(classIconWidth(window, GCLP_HICON), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(classIconWidth(window, GCLP_HICONSM), GetSystemMetrics(SM_CXSMICON));
  }
}

}  // namespace
}  // namespace vex::test
