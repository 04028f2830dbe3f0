#include "layout_test_support.h"

#include <algorithm>
#include <memory>

#include "../../views/view_fixture.h"

namespace vex::test {

using namespace layout;

const Ui& registeredUi() {
  static const auto bound = std::make_unique<BoundViews>();
  return bound->ui;
}

std::vector<Event> handledEvents(ControlRef ref) {
  std::vector<Event> out;
  for (Event e : {Event::Clicked, Event::LeftButtonPressed, Event::RightButtonPressed, Event::ListClicked})
    if (registeredUi().hasHandler(ref, e)) out.push_back(e);
  return out;
}

void expectRows(std::int32_t window, const std::vector<Row>& rows) {
  const WindowLayout* layout = layoutOf(window);
  ASSERT_NE(layout, nullptr);
  const Ui& ui = registeredUi();
  std::ptrdiff_t previous = -1;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto it = std::find_if(layout->controls.begin(), layout->controls.end(),
                                 [&](const ControlState& c) { return c.name == row.name; });
    ASSERT_NE(it, layout->controls.end());
    const ControlState& c = *it;
    EXPECT_EQ(c.kind, row.kind);
    EXPECT_EQ(c.id, row.id);
    EXPECT_EQ(c.parent, row.parent);
    const auto [left, top] = ui.windowPosition({window, c.id});
    EXPECT_EQ(left, row.left);
    EXPECT_EQ(top, row.top);
    EXPECT_EQ(c.width, row.width);
    EXPECT_EQ(c.height, row.height);
    EXPECT_EQ(c.visible, row.visible);
    EXPECT_EQ(c.disabled, row.disabled);
    EXPECT_EQ(c.tabStop, row.tabStop);
    EXPECT_EQ(c.pointer, row.pointer);
    EXPECT_EQ(handledEvents({window, c.id}), row.events);
    const std::ptrdiff_t index = it - layout->controls.begin();
    EXPECT_GT(index, previous) << "created out of order";
    previous = index;
  }
}

namespace {

std::uint32_t be32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 |
         b[at + 3];
}
int be16(const Bytes& b, std::size_t at) { return b[at] << 8 | b[at + 1]; }
int le16(const Bytes& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::int32_t le32(const Bytes& b, std::size_t at) {
  return std::int32_t(le16(b, at) | le16(b, at + 2) << 16);
}

std::optional<PictureSize> pngSize(const Bytes& b) {
  static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (b.size() < 24 || !std::equal(std::begin(kSignature), std::end(kSignature), b.begin()))
    return std::nullopt;
  if (be32(b, 8) != 13 || b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R') return std::nullopt;
  return PictureSize{int(be32(b, 16)), int(be32(b, 20))};
}

std::optional<PictureSize> jpegSize(const Bytes& b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    const int marker = b[at + 1];
    const int length = be16(b, at + 2);
    // Start of frame (baseline, extended, progressive): height then width.
    if (marker >= 0xC0 && marker <= 0xC2) {
      if (at + 9 > b.size()) return std::nullopt;
      return PictureSize{be16(b, at + 7), be16(b, at + 5)};
    }
    at += 2 + std::size_t(length);
  }
  return std::nullopt;
}

std::optional<PictureSize> icoSize(const Bytes& b) {
  if (b.size() < 22 + 40 || le16(b, 0) != 0 || le16(b, 2) != 1 || le16(b, 4) < 1) return std::nullopt;
  const std::size_t offset = std::size_t(le32(b, 18));
  if (offset + 40 > b.size() || le32(b, offset) != 40) return std::nullopt;
  // The bitmap header counts the XOR and AND halves in its height.
  return PictureSize{le32(b, offset + 4), le32(b, offset + 8) / 2};
}

}  // namespace

std::optional<PictureSize> pictureSize(const Bytes& bytes) {
  if (auto s = pngSize(bytes)) return s;
  if (auto s = jpegSize(bytes)) return s;
  return icoSize(bytes);
}

}  // namespace vex::test
