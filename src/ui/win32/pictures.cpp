#include "ui/win32/pictures.h"

#include <commctrl.h>

#include <cstdint>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

#include "resources/picture_ids.h"
#include "ui/glyph.h"

namespace morvane::ui::win32 {
namespace {

constexpr int kColourImage = 0;
constexpr int kGreyedImage = 1;
// The sizes the sets are drawn at, smallest first (100, 125, 150 and 200 %).
constexpr int kSetSizes[] = {kPictureSize, 20, 24, 32};

int ResourceIdOf(Picture picture) {
  switch (picture) {
    case Picture::NewSheet:
      return IDB_NEW_SHEET;
    case Picture::OpenFolder:
      return IDB_OPEN_FOLDER;
    case Picture::RedCross:
      return IDB_RED_CROSS;
    case Picture::Tools:
      return IDB_TOOLS;
    case Picture::HelpBook:
      return IDB_HELP_BOOK;
    case Picture::InfoDisc:
      return IDB_INFO_DISC;
    case Picture::Printer:
      return IDB_PRINTER;
    case Picture::SheetArrowRight:
      return IDB_SHEET_ARROW_RIGHT;
    case Picture::ArrowUp:
      return IDB_ARROW_UP;
    case Picture::ArrowDown:
      return IDB_ARROW_DOWN;
    case Picture::None:
      break;
  }
  return 0;
}

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

bool ReadGlyph(HBITMAP bitmap, Glyph& glyph) {
  BITMAP header;
  if (!GetObjectA(bitmap, sizeof(header), &header)) return false;
  BITMAPINFO info = TopDown32(header.bmWidth, header.bmHeight);
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(header.bmWidth) *
                                  static_cast<std::size_t>(header.bmHeight));
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.bmHeight), bits.data(),
                             &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != header.bmHeight) return false;
  glyph = Glyph(header.bmWidth, header.bmHeight, Rgb{});
  for (std::size_t i = 0; i < bits.size(); ++i) {
    glyph.pixels[i] = Rgb{GetBValue(bits[i]), GetGValue(bits[i]), GetRValue(bits[i])};
  }
  return true;
}

// A device-independent bitmap of the glyph; the caller deletes it.
HBITMAP MakeBitmap(const Glyph& glyph) {
  BITMAPINFO info = TopDown32(glyph.width, glyph.height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < glyph.pixels.size(); ++i) {
    const Rgb& c = glyph.pixels[i];
    out[i] = RGB(c.blue, c.green, c.red);  // a DIB stores blue in the low byte
  }
  return bitmap;
}

void AddMasked(HIMAGELIST list, const Glyph& glyph) {
  HBITMAP bitmap = MakeBitmap(glyph);
  const Rgb key = TransparentColor(glyph);
  ImageList_AddMasked(list, bitmap, RGB(key.red, key.green, key.blue));
  DeleteObject(bitmap);
}

// The picture and its greyed twin, side by side in one image list.
HIMAGELIST LoadPicture(Picture picture, int set) {
  const int id = ResourceIdOf(picture);
  if (!id) return nullptr;
  auto* bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleW(nullptr),
                                                 MAKEINTRESOURCEA(PictureResource(id, set)),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return nullptr;
  Glyph glyph;
  const bool read = ReadGlyph(bitmap, glyph);
  DeleteObject(bitmap);
  if (!read) return nullptr;
  HIMAGELIST list = ImageList_Create(glyph.width, glyph.height, ILC_COLOR24 | ILC_MASK, 2, 0);
  if (!list) return nullptr;
  AddMasked(list, glyph);
  AddMasked(list, GreyedTwin(glyph));
  return list;
}

class PictureCache {
 public:
  ~PictureCache() {
    for (auto& [picture, list] : lists_) {
      if (list) ImageList_Destroy(list);
    }
  }
  HIMAGELIST Get(Picture picture, int set) {
    const auto key = std::make_pair(picture, set);
    auto found = lists_.find(key);
    if (found == lists_.end()) found = lists_.emplace(key, LoadPicture(picture, set)).first;
    return found->second;
  }

 private:
  std::map<std::pair<Picture, int>, HIMAGELIST> lists_;
};

}  // namespace

int PictureSet(const DpiScale& scale) {
  const int wanted = scale.Out(kPictureSize);
  int set = 0;
  for (int i = 0; i < static_cast<int>(std::size(kSetSizes)); ++i) {
    if (kSetSizes[i] <= wanted) set = i;
  }
  return set;
}

int PictureSize(const DpiScale& scale) { return kSetSizes[PictureSet(scale)]; }

int PictureResource(int resourceId, int set) { return resourceId + set * IDB_SET_STEP; }

void DrawPicture(HDC dc, Picture picture, int size, int x, int y, bool greyed) {
  static PictureCache cache;
  int set = 0;
  while (set + 1 < static_cast<int>(std::size(kSetSizes)) && kSetSizes[set] < size) ++set;
  if (HIMAGELIST list = cache.Get(picture, set)) {
    ImageList_Draw(list, greyed ? kGreyedImage : kColourImage, dc, x, y, ILD_TRANSPARENT);
  }
}

}  // namespace morvane::ui::win32
