#include "ui/win32/pictures.h"

#include <commctrl.h>

#include <cstdint>
#include <map>
#include <vector>

#include "resources/picture_ids.h"
#include "ui/glyph.h"

namespace morvane::ui::win32 {
namespace {

constexpr int kColourImage = 0;
constexpr int kGreyedImage = 1;

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
HIMAGELIST LoadPicture(Picture picture) {
  const int id = ResourceIdOf(picture);
  if (!id) return nullptr;
  auto* bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
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
  HIMAGELIST Get(Picture picture) {
    auto found = lists_.find(picture);
    if (found == lists_.end()) found = lists_.emplace(picture, LoadPicture(picture)).first;
    return found->second;
  }

 private:
  std::map<Picture, HIMAGELIST> lists_;
};

}  // namespace

void DrawPicture(HDC dc, Picture picture, int x, int y, bool greyed) {
  static PictureCache cache;
  if (HIMAGELIST list = cache.Get(picture)) {
    ImageList_Draw(list, greyed ? kGreyedImage : kColourImage, dc, x, y, ILD_TRANSPARENT);
  }
}

}  // namespace morvane::ui::win32
