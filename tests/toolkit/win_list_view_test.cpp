// The report list view: columns, rows, cell texts and pictures in the
// native control, selection both ways, list clicks and sorting.
#include <gtest/gtest.h>
#include <objbase.h>

#include "toolkit/controls/win/win32_backend.h"
#include "toolkit/system/wide_text.h"
#include "win_test_support.h"

namespace vex::assets {
extern const EmbeddedBytes listTestChampionIcons;
extern const EmbeddedBytes listTestItemIcons;
}  // namespace vex::assets

namespace vex {
namespace {

using test::pump;

constexpr std::int32_t kWin = 0x52000020, kList = 1;
constexpr ControlRef kRef{kWin, kList};

// A picture set as the game data stores one: "MITL", 4 reserved bytes,
// then the image-list stream of `count` 20 x 20 pictures.
Bytes pictureSet(int count) {
  HIMAGELIST list = ImageList_Create(20, 20, ILC_COLOR32 | ILC_MASK, count, 4);
  HDC screen = GetDC(nullptr);
  for (int i = 0; i < count; ++i) {
    HBITMAP bmp = CreateCompatibleBitmap(screen, 20, 20);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    HBRUSH brush = CreateSolidBrush(RGB(40 * i, 200, 100));
    RECT r{0, 0, 20, 20};
    FillRect(dc, &r, brush);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteDC(dc);
    ImageList_Add(list, bmp, nullptr);
    DeleteObject(bmp);
  }
  ReleaseDC(nullptr, screen);
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  ImageList_Write(list, stream);
  ImageList_Destroy(list);
  HGLOBAL mem = nullptr;
  GetHGlobalFromStream(stream, &mem);
  STATSTG stat{};
  stream->Stat(&stat, STATFLAG_NONAME);
  const auto* p = static_cast<const std::uint8_t*>(GlobalLock(mem));
  const std::size_t size = static_cast<std::size_t>(stat.cbSize.QuadPart);
  Bytes out(8 + size);
  const std::uint8_t head[8] = {'M', 'I', 'T', 'L', 0, 0, 0, 0xFF};
  std::copy(head, head + 8, out.begin());
  std::copy(p, p + size, out.begin() + 8);
  GlobalUnlock(mem);
  stream->Release();
  return out;
}

WindowLayout layout() {
  WindowLayout w;
  w.id = kWin;
  w.width = 400;
  w.height = 300;
  w.left = 200;
  w.top = 150;
  ControlState list = test::control(kList, ControlKind::ListView, 0, 26, 400, 274);
  list.list.columns = {{"评级", 40, Align::Left},
                       {"名称", 135, Align::Left},
                       {"", 22, Align::Centre},
                       {"ID", 30, Align::Right}};
  w.controls = {list};
  return w;
}

class WinListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.addLayout(layout());
    ui.open(kWin);
    list = GetDlgItem(backend.windowHandle(kRef.window), kRef.control);
    ASSERT_NE(list, nullptr);
  }
  void TearDown() override { ui.close(kWin); }

  void addRow(const Text& rating, const Text& name, int image, const Text& id) {
    const int row = ui.listAppendRow(kRef);
    ui.listSetCell(kRef, row, 0, rating);
    ui.listSetCell(kRef, row, 1, name);
    ui.listSetCellImage(kRef, row, 2, image);
    ui.listSetCell(kRef, row, 3, id);
  }
  // The native list catches up once the current message is done.
  static void settle() { pump(0); }
  int nativeCount() const {
    settle();
    return ListView_GetItemCount(list);
  }
  HIMAGELIST nativeImages() const {
    settle();
    return ListView_GetImageList(list, LVSIL_SMALL);
  }
  std::wstring nativeText(int row, int column) const {
    settle();
    wchar_t buffer[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
  }
  int nativeImage(int row, int column) const {
    settle();
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iSubItem = column;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  }
  int nativeSelected() const {
    settle();
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
  }
  void clickRow(int row) {
    settle();
    RECT r;
    ListView_GetItemRect(list, row, &r, LVIR_BOUNDS);
    const POINT p = test::onScreen(list, 60, (r.top + r.bottom) / 2);
    test::moveMouseTo(p.x, p.y);
    test::sendMouse(MOUSEEVENTF_LEFTDOWN);
    pump(30);
    test::sendMouse(MOUSEEVENTF_LEFTUP);
    pump(200);
  }

  Ui ui;
  win::Win32Backend backend{ui};
  HWND list = nullptr;
  const Bytes set = pictureSet(3);
};

TEST_F(WinListViewTest, ReportModeWithTheLayoutColumnsOnWhite) {
  EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_SUBITEMIMAGES);
  EXPECT_EQ(ListView_GetBkColor(list), 0xFFFFFFu);
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 4);
  const int widths[] = {40, 135, 22, 30};
  const int formats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};
  for (int c = 0; c < 4; ++c) {
    SCOPED_TRACE(c);
    wchar_t title[32] = {};
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.pszText = title;
    col.cchTextMax = 32;
    SendMessageW(list, LVM_GETCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
    EXPECT_EQ(col.cx, widths[c]);
    if (c > 0) {
      EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, formats[c]);  // the first is always left
    } else {
      EXPECT_STREQ(title, L"评级");
    }
  }
}

TEST_F(WinListViewTest, RowsCellTextsAndPicturesReachTheNativeControl) {
  ui.listSetPictures(kRef, set);
  HIMAGELIST images = nativeImages();
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(images), 3);
  addRow("T2", "铸星龙王", 2, "7");
  addRow("T1", "仙灵女巫", 0, "12");
  addRow("T3", "无畏", -1, "3");
  EXPECT_EQ(nativeCount(), 3);
  EXPECT_EQ(nativeText(0, 1), L"铸星龙王");
  EXPECT_EQ(nativeText(1, 3), L"12");
  EXPECT_EQ(nativeImage(0, 2), 2);
  EXPECT_EQ(nativeImage(1, 2), 0);
  EXPECT_LT(nativeImage(2, 2), 0);
  ui.listSetCell(kRef, 2, 1, "改了");
  ui.listSetCellImage(kRef, 2, 2, 1);
  EXPECT_EQ(nativeText(2, 1), L"改了");
  EXPECT_EQ(nativeImage(2, 2), 1);
  EXPECT_EQ(ui.listCell(kRef, 2, 1), Text("改了"));
  ui.listClear(kRef);
  EXPECT_EQ(nativeCount(), 0);
  addRow("T9", "再来", 1, "1");
  EXPECT_EQ(nativeText(0, 0), L"T9");
}

// Rows the created handler writes are in the native list by the time the
// window shows, before any message is pumped: its first paint is full.
TEST_F(WinListViewTest, RowsWrittenAsTheWindowOpensAreThereWhenItShows) {
  ui.close(kWin);
  ui.bindCreated(kWin, [this] {
    addRow("S", "甲", 0, "1");
    addRow("A", "乙", 1, "2");
  });
  ui.open(kWin);
  list = GetDlgItem(backend.windowHandle(kRef.window), kRef.control);
  ASSERT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(ListView_GetItemCount(list), 2);
}

TEST_F(WinListViewTest, SortByColumnIsReflectedNatively) {
  ui.listSetPictures(kRef, set);
  addRow("T2", "a", 2, "1");
  addRow("T1", "b", 0, "2");
  addRow("T3", "c", 1, "3");
  addRow("T1", "d", -1, "4");
  ui.sortListByColumn(kRef, 0);
  const wchar_t* ids[] = {L"2", L"4", L"1", L"3"};  // equal ratings keep their order
  for (int r = 0; r < 4; ++r) EXPECT_EQ(nativeText(r, 3), ids[r]);
  EXPECT_EQ(nativeImage(0, 2), 0);
  EXPECT_LT(nativeImage(1, 2), 0);
  EXPECT_EQ(nativeImage(2, 2), 2);
}

TEST_F(WinListViewTest, SelectionTravelsBothWaysAndAClickIsReportedAfterIt) {
  for (int i = 0; i < 5; ++i) addRow("T1", "行", -1, std::to_string(i));
  ui.listSelect(kRef, 3);
  EXPECT_EQ(nativeSelected(), 3);
  ui.listSelect(kRef, -1);
  EXPECT_EQ(nativeSelected(), -1);

  std::vector<int> seen;
  ui.bind(kRef, Event::ListClicked, [&] { seen.push_back(ui.listSelected(kRef)); });
  clickRow(2);
  EXPECT_EQ(ui.listSelected(kRef), 2);
  EXPECT_EQ(seen, std::vector<int>{2});
  clickRow(4);
  EXPECT_EQ(seen, (std::vector<int>{2, 4}));
}

// The native list holds no cells of its own: whatever it reports must be
// the rows as they are now, after a refill with fewer rows and a sort.
TEST_F(WinListViewTest, AFilteredAndSortedListReadsBackCellByCell) {
  ui.listSetPictures(kRef, set);
  for (int i = 0; i < 30; ++i) addRow("T1", "行" + std::to_string(i), i % 3, std::to_string(i));
  ui.listSelect(kRef, 25);
  EXPECT_EQ(nativeSelected(), 25);
  ui.listClear(kRef);
  for (int i = 0; i < 30; i += 3)
    addRow(i % 2 ? "T2" : "T1", "留" + std::to_string(i), -1, std::to_string(i));
  ASSERT_EQ(nativeCount(), 10);
  EXPECT_EQ(nativeSelected(), -1);
  for (int r = 0; r < 10; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(nativeText(r, 3), std::to_wstring(3 * r));
    EXPECT_LT(nativeImage(r, 2), 0);
  }
  ui.sortListByColumn(kRef, 0);
  const wchar_t* ids[] = {L"0", L"6", L"12", L"18", L"24", L"3", L"9", L"15", L"21", L"27"};
  for (int r = 0; r < 10; ++r) EXPECT_EQ(nativeText(r, 3), ids[r]);
  EXPECT_EQ(nativeText(5, 0), L"T2");
  EXPECT_EQ(nativeText(5, 1), L"留3");
  // Grown back, the row once selected is not selected again.
  for (int i = 0; i < 20; ++i) addRow("T3", "多", 1, "x");
  EXPECT_EQ(nativeCount(), 30);
  EXPECT_EQ(nativeSelected(), -1);
  EXPECT_EQ(nativeImage(25, 2), 1);
  EXPECT_EQ(nativeText(29, 1), L"多");
}

TEST_F(WinListViewTest, AClickAfterASortReportsTheRowNowUnderThePointer) {
  addRow("T3", "c", -1, "30");
  addRow("T1", "a", -1, "10");
  addRow("T2", "b", -1, "20");
  ui.sortListByColumn(kRef, 0);
  Text picked;
  ui.bind(kRef, Event::ListClicked, [&] { picked = ui.listCell(kRef, ui.listSelected(kRef), 3); });
  clickRow(2);
  EXPECT_EQ(ui.listSelected(kRef), 2);
  EXPECT_EQ(picked, Text("30"));
  clickRow(0);
  EXPECT_EQ(picked, Text("10"));
  EXPECT_EQ(nativeSelected(), 0);
}

TEST_F(WinListViewTest, KeyboardMovesTheSelectionAndTypingFindsARow) {
  addRow("T1", "a", -1, "0");
  addRow("T1", "b", -1, "1");
  addRow("x9", "c", -1, "2");
  addRow("T2", "d", -1, "3");
  ui.listSelect(kRef, 0);
  settle();
  SetFocus(list);
  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
  settle();
  EXPECT_EQ(ui.listSelected(kRef), 1);
  EXPECT_EQ(nativeSelected(), 1);
  SendMessageW(list, WM_CHAR, L'x', 1);
  settle();
  EXPECT_EQ(ui.listSelected(kRef), 2);
}

TEST_F(WinListViewTest, ClickHandlerMayRefillTheListOrCloseTheWindow) {
  for (int i = 0; i < 5; ++i) addRow("T1", "行", -1, std::to_string(i));
  int clicks = 0;
  ui.bind(kRef, Event::ListClicked, [&] {
    ++clicks;
    ui.listClear(kRef);
    addRow("T2", "新", -1, "9");
    if (clicks == 2) ui.close(kWin);
  });
  clickRow(1);
  EXPECT_EQ(nativeCount(), 1);
  EXPECT_EQ(ui.listSelected(kRef), -1);
  clickRow(0);
  EXPECT_FALSE(ui.isOpen(kWin));
  EXPECT_EQ(clicks, 2);
}

TEST_F(WinListViewTest, TheShippedPictureSetsLoadWithAllTheirPictures) {
  ui.listSetPictures(kRef, assets::listTestChampionIcons.span());
  ASSERT_NE(nativeImages(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(nativeImages()), 51);
  // The item icons carry the 0x1000 flag and 22 trailing bytes.
  ui.listSetPictures(kRef, assets::listTestItemIcons.span());
  ASSERT_NE(nativeImages(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(nativeImages()), 44);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(nativeImages(), &cx, &cy);
  EXPECT_EQ(cx, 20);
  EXPECT_EQ(cy, 20);
}

TEST_F(WinListViewTest, ABrokenPictureSetGivesAListWithoutPictures) {
  const Bytes bad = {'M', 'I', 'T', 'L', 0, 0, 0, 0xFF, 'I', 'L', 1};
  ui.listSetPictures(kRef, bad);
  EXPECT_EQ(nativeImages(), nullptr);
  const Bytes wrongMagic = {'L', 'T', 'I', 'M', 0, 0, 0, 0};
  ui.listSetPictures(kRef, wrongMagic);
  EXPECT_EQ(nativeImages(), nullptr);
  ui.listSetPictures(kRef, set);
  EXPECT_NE(nativeImages(), nullptr);
}

// The native list redraws the rows Ui marked: a handler that refills the
// list with the rows it had redraws none, one that changes a row redraws it.
TEST_F(WinListViewTest, RefillRedrawsOnlyTheRowsThatChanged) {
  const auto fill = [&](const Text& third) {
    ui.listClear(kRef);
    for (int i = 0; i < 5; ++i)
      addRow("T1", i == 2 ? third : "name" + std::to_string(i), -1, std::to_string(i));
  };
  fill("name2");
  settle();
  UpdateWindow(list);
  Text third = "name2";
  ui.bind(kRef, Event::ListClicked, [&] { fill(third); });
  RECT dirty;
  ui.raise(kRef, Event::ListClicked);  // one message: the list caught up when it ended
  EXPECT_FALSE(GetUpdateRect(list, &dirty, FALSE));
  third = "changed";
  ui.raise(kRef, Event::ListClicked);
  ASSERT_TRUE(GetUpdateRect(list, &dirty, FALSE));
  RECT row{};
  ListView_GetItemRect(list, 2, &row, LVIR_BOUNDS);
  EXPECT_EQ(dirty.top, row.top);
  EXPECT_EQ(dirty.bottom, row.bottom);
  EXPECT_EQ(nativeText(2, 1), L"changed");
}

}  // namespace
}  // namespace vex
