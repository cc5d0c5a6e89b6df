// Checks the generated icon files as a Windows shell or a desktop icon theme would read them.
// The .ico is parsed byte by byte rather than through an image library, because the faults
// worth catching (a wrong entry size, a mask row without padding, a stray colour under a
// transparent pixel) are exactly the ones image libraries quietly tolerate.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "row_name.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path kSourceDir{BELVIK_SOURCE_DIR};

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Little-endian readers; .at() turns a truncated file into a test failure, not a crash.
std::uint32_t U8(const Bytes& b, std::size_t at) { return b.at(at); }
std::uint32_t U16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }
std::uint32_t BigU32(const Bytes& b, std::size_t at) {
  return (b.at(at) << 24) | (b.at(at + 1) << 16) | (b.at(at + 2) << 8) | b.at(at + 3);
}

constexpr std::size_t kDirHeader = 6;
constexpr std::size_t kDirEntry = 16;
constexpr std::size_t kInfoHeader = 40;

struct DirEntry {
  std::uint32_t width, height, colour_count, reserved, planes, bit_count, size, offset;
};

DirEntry ReadEntry(const Bytes& ico, std::size_t index) {
  const std::size_t at = kDirHeader + index * kDirEntry;
  return {U8(ico, at),      U8(ico, at + 1),  U8(ico, at + 2),  U8(ico, at + 3),
          U16(ico, at + 4), U16(ico, at + 6), U32(ico, at + 8), U32(ico, at + 12)};
}

const Bytes& Ico() {
  static const Bytes ico = ReadFile(kSourceDir / "resources" / "belvik.ico");
  return ico;
}

TEST(IcoFile, DirectoryHoldsFiveIcons) {
  const Bytes& ico = Ico();
  ASSERT_GE(ico.size(), kDirHeader) << "resources/belvik.ico missing or empty";
  EXPECT_EQ(U16(ico, 0), 0u);  // reserved
  EXPECT_EQ(U16(ico, 2), 1u);  // 1 = icon, 2 = cursor
  EXPECT_EQ(U16(ico, 4), 5u);
}

TEST(IcoFile, ImagesLieInsideTheFileWithoutOverlapping) {
  const Bytes& ico = Ico();
  ASSERT_GE(ico.size(), kDirHeader);
  const std::size_t count = U16(ico, 4);
  const std::size_t directory_end = kDirHeader + count * kDirEntry;
  ASSERT_LE(directory_end, ico.size());

  std::vector<std::pair<std::uint64_t, std::uint64_t>> spans;
  for (std::size_t i = 0; i < count; ++i) {
    const DirEntry e = ReadEntry(ico, i);
    SCOPED_TRACE("image " + std::to_string(i));
    EXPECT_GE(e.offset, directory_end);
    EXPECT_GT(e.size, 0u);
    EXPECT_LE(std::uint64_t{e.offset} + e.size, ico.size());
    spans.emplace_back(e.offset, std::uint64_t{e.offset} + e.size);
  }
  std::sort(spans.begin(), spans.end());
  for (std::size_t i = 1; i < spans.size(); ++i) {
    EXPECT_LE(spans[i - 1].second, spans[i].first) << "images overlap";
  }
}

struct IconRow {
  std::string name;
  std::size_t index;  // position in the directory
  std::uint32_t size;
  std::uint32_t bpp;
};
void PrintTo(const IconRow& row, std::ostream* os) { *os << row.name; }

// One image of the .ico, read where and as its table row says it should be.
class IcoImage {
 public:
  explicit IcoImage(const IconRow& row)
      : ico_(Ico()), entry_(ReadEntry(ico_, row.index)), size_(row.size), bpp_(row.bpp) {}

  const DirEntry& entry() const { return entry_; }
  std::size_t header() const { return entry_.offset; }
  std::size_t colours() const { return std::size_t{1} << bpp_; }
  std::size_t xor_stride() const { return (size_ * bpp_ + 31) / 32 * 4; }
  std::size_t mask_stride() const { return (size_ + 31) / 32 * 4; }
  std::size_t expected_bytes() const {
    return kInfoHeader + 4 * colours() + (xor_stride() + mask_stride()) * size_;
  }

  // 0xRRGGBB of palette entry i, which is stored B, G, R, reserved.
  std::uint32_t colour(std::size_t i) const {
    return U32(ico_, header() + kInfoHeader + 4 * i) & 0xFFFFFF;
  }
  // x, y count from the top left; both bitmaps are stored bottom row first.
  std::uint32_t index(std::uint32_t x, std::uint32_t y) const {
    const std::size_t row = header() + kInfoHeader + 4 * colours() + (size_ - 1 - y) * xor_stride();
    if (bpp_ == 8) return ico_.at(row + x);
    const std::uint8_t pair = ico_.at(row + x / 2);
    return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
  }
  bool transparent(std::uint32_t x, std::uint32_t y) const {
    const std::size_t mask = header() + kInfoHeader + 4 * colours() + xor_stride() * size_;
    return (ico_.at(mask + (size_ - 1 - y) * mask_stride() + x / 8) >> (7 - x % 8)) & 1;
  }

 private:
  const Bytes& ico_;
  DirEntry entry_;
  std::uint32_t size_, bpp_;
};

// In directory order.
const IconRow kIcons[] = {{"i0_16px_4bpp", 0, 16, 4},
                          {"i1_16px_8bpp", 1, 16, 8},
                          {"i2_32px_4bpp", 2, 32, 4},
                          {"i3_32px_8bpp", 3, 32, 8},
                          {"i4_48px_8bpp", 4, 48, 8}};

class IcoImageTest : public testing::TestWithParam<IconRow> {};

TEST_P(IcoImageTest, DirectoryEntryAndBitmapHeaderAgree) {
  const IconRow& row = GetParam();
  const Bytes& ico = Ico();
  const IcoImage img(row);
  const DirEntry& e = img.entry();
  EXPECT_EQ(e.width, row.size);
  EXPECT_EQ(e.height, row.size);
  // 0 means "256 or more colours"; old shells pick the 16-colour image by this field.
  EXPECT_EQ(e.colour_count, row.bpp == 4 ? 16u : 0u);
  EXPECT_EQ(e.reserved, 0u);
  EXPECT_EQ(e.planes, 1u);
  EXPECT_EQ(e.bit_count, row.bpp);
  EXPECT_EQ(e.size, img.expected_bytes()) << "header, palette, padded XOR rows, padded mask rows";
  ASSERT_LE(std::uint64_t{e.offset} + e.size, ico.size());

  const std::size_t h = img.header();
  ASSERT_EQ(U32(ico, h), kInfoHeader) << "not a BITMAPINFOHEADER (a PNG entry, perhaps)";
  EXPECT_EQ(U32(ico, h + 4), row.size);
  EXPECT_EQ(U32(ico, h + 8), 2 * row.size) << "height must count the XOR bitmap and the mask";
  EXPECT_EQ(U16(ico, h + 12), 1u);
  EXPECT_EQ(U16(ico, h + 14), row.bpp);
  EXPECT_EQ(U32(ico, h + 16), 0u) << "compression must be BI_RGB";
  const std::uint32_t image_bytes = U32(ico, h + 20);
  EXPECT_TRUE(image_bytes == 0 || image_bytes == e.size - kInfoHeader - 4 * img.colours())
      << "biSizeImage " << image_bytes;
  const std::uint32_t used = U32(ico, h + 32);
  EXPECT_TRUE(used == 0 || used == img.colours()) << "biClrUsed " << used;
}

TEST_P(IcoImageTest, MaskLeavesCornersAndOutsideClear) {
  const IconRow& row = GetParam();
  const IcoImage img(row);
  ASSERT_LE(std::uint64_t{img.entry().offset} + img.expected_bytes(), Ico().size());
  const std::uint32_t last = row.size - 1;
  EXPECT_TRUE(img.transparent(0, 0)) << "top left";
  EXPECT_TRUE(img.transparent(last, 0)) << "top right";
  EXPECT_TRUE(img.transparent(0, last)) << "bottom left";
  EXPECT_TRUE(img.transparent(last, last)) << "bottom right";

  std::size_t opaque = 0;
  std::set<std::uint32_t> colours;
  for (std::uint32_t y = 0; y < row.size; ++y) {
    for (std::uint32_t x = 0; x < row.size; ++x) {
      const std::uint32_t c = img.colour(img.index(x, y));
      if (img.transparent(x, y)) {
        // Drawn as (screen AND mask) XOR colour: anything but black under a set mask bit
        // shows up as an inverted fringe around the picture.
        ASSERT_EQ(c, 0u) << "transparent pixel " << x << "," << y;
      } else {
        ++opaque;
        colours.insert(c);
      }
    }
  }
  const double share = static_cast<double>(opaque) / (row.size * row.size);
  EXPECT_GT(share, 0.3) << "picture missing or mostly masked out";
  EXPECT_LT(share, 0.85) << "picture fills the square";
  // Gold, green and two outline colours at the least; fewer means the colour mapping broke.
  EXPECT_GE(colours.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Ico, IcoImageTest, testing::ValuesIn(kIcons), RowName());

TEST(IcoFile, SixteenColourImagesUseTheSystemPalette) {
  // 16-colour displays draw with the system palette whatever the file says, so any other
  // palette would look right in a viewer and wrong where it matters.
  static constexpr std::uint32_t kWindows16[] = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (const IconRow& row : kIcons) {
    if (row.bpp != 4) continue;
    SCOPED_TRACE(row.name);
    const IcoImage img(row);
    for (std::size_t i = 0; i < std::size(kWindows16); ++i) {
      EXPECT_EQ(img.colour(i), kWindows16[i]) << "colour " << i;
    }
  }
}

struct PngRow {
  std::string name;
  std::uint32_t size;
};
void PrintTo(const PngRow& row, std::ostream* os) { *os << row.name; }

class ThemePngTest : public testing::TestWithParam<PngRow> {};

TEST_P(ThemePngTest, SizeMatchesItsFolder) {
  const std::uint32_t size = GetParam().size;
  const std::string folder = std::to_string(size) + "x" + std::to_string(size);
  const Bytes png =
      ReadFile(kSourceDir / "resources" / "icon" / "hicolor" / folder / "apps" / "belvik.png");
  ASSERT_GE(png.size(), 33u) << folder << "/apps/belvik.png missing or truncated";

  const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  EXPECT_EQ(BigU32(png, 8), 13u);
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(BigU32(png, 16), size);
  EXPECT_EQ(BigU32(png, 20), size);
  EXPECT_EQ(U8(png, 24), 8u);
  EXPECT_EQ(U8(png, 25), 6u) << "needs an alpha channel (colour type 6, RGBA)";
}

INSTANTIATE_TEST_SUITE_P(Hicolor, ThemePngTest,
                         testing::Values(PngRow{"px16", 16}, PngRow{"px32", 32}, PngRow{"px48", 48},
                                         PngRow{"px64", 64}, PngRow{"px128", 128},
                                         PngRow{"px256", 256}),
                         RowName());

TEST(ThemeSvg, ScalableCopyMatchesTheSource) {
  // Catches an edited belvik.svg committed without rerunning scripts/make-icons.sh.
  const Bytes source = ReadFile(kSourceDir / "resources" / "icon" / "belvik.svg");
  const Bytes copy =
      ReadFile(kSourceDir / "resources" / "icon" / "hicolor" / "scalable" / "apps" / "belvik.svg");
  ASSERT_FALSE(source.empty());
  EXPECT_EQ(source, copy);
}

}  // namespace
