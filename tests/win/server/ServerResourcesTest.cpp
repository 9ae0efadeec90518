// The product's icon, pictures and link pointer in both COM servers, loaded from each DLL as
// its windows load them (by the ids in ResourceIds.h), and compared byte for byte with the
// files under assets/icons that they are built from.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "hosts/win/server/ResourceIds.h"
#include "tests/win/server/LoadedServer.h"

namespace qh::win::test {
namespace {

std::string assetFile(const char* name) {
  std::ifstream in(std::string(QH_ICONS_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string resourceBytes(HMODULE module, int id, LPCSTR type) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (!found) return "(none)";
  const void* data = LockResource(LoadResource(module, found));
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

template <class T>
T read(const std::string& bytes, size_t offset) {
  T value{};
  if (offset + sizeof value <= bytes.size())
    std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// An icon or cursor group: the width of each image and the id of its own resource (a cursor
// group's entries start with a 16-bit width, an icon group's with an 8-bit one).
struct GroupImage {
  int width;
  WORD id;
};
std::vector<GroupImage> groupOf(const std::string& group, bool cursor) {
  std::vector<GroupImage> images;
  const auto count = read<WORD>(group, 4);
  for (size_t i = 0, at = 6; i < count; ++i, at += 14)
    images.push_back(
        {cursor ? read<WORD>(group, at) : read<BYTE>(group, at), read<WORD>(group, at + 12)});
  return images;
}

// The bytes of image i of an .ico or .cur file.
std::string fileImage(const std::string& file, size_t i) {
  const size_t entry = 6 + 16 * i;
  return file.substr(read<DWORD>(file, entry + 12), read<DWORD>(file, entry + 8));
}

// "width x height @ bits" of a bitmap resource loaded as a DIB section.
std::string pictureShape(HMODULE module, int id) {
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return "not loaded";
  DIBSECTION dib{};
  GetObjectW(bitmap, sizeof dib, &dib);
  DeleteObject(bitmap);
  return std::to_string(dib.dsBm.bmWidth) + "x" + std::to_string(dib.dsBm.bmHeight) + "@" +
         std::to_string(dib.dsBm.bmBitsPixel);
}

// What an icon or cursor handle holds: its size (from the colour bitmap), whether it is an
// icon, and its hot spot.
struct Loaded {
  int width = 0, height = 0;
  bool icon = false;
  DWORD hotX = 0, hotY = 0;
};
Loaded loadedImage(HMODULE module, int id, UINT type, int size) {
  const auto handle =
      static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), type, size, size, 0));
  Loaded loaded;
  ICONINFO info{};
  if (!handle || !GetIconInfo(handle, &info)) return loaded;
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof colour, &colour);
  loaded = {colour.bmWidth, colour.bmHeight, info.fIcon != FALSE, info.xHotspot, info.yHotspot};
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(handle);
  return loaded;
}

class ServerResources : public ::testing::TestWithParam<const char*> {};

TEST_P(ServerResources, CarryTheProductsIconPicturesAndPointer) {
  LoadedServer server(GetParam());
  const HMODULE module = server.module();
  ASSERT_TRUE(module);

  // The pane's tag symbol and the About box's picture: 24 bits a pixel, the files' bitmaps.
  EXPECT_EQ(pictureShape(module, QH_IDB_TAG), "16x16@24");
  EXPECT_EQ(pictureShape(module, QH_IDB_ABOUT), "64x64@24");
  const size_t fileHeader = sizeof(BITMAPFILEHEADER);
  EXPECT_EQ(resourceBytes(module, QH_IDB_TAG, RT_BITMAP),
            assetFile("tag16.bmp").substr(fileHeader));
  EXPECT_EQ(resourceBytes(module, QH_IDB_ABOUT, RT_BITMAP),
            assetFile("about64.bmp").substr(fileHeader));

  // The product icon: 16, 32 and 48 pixels of 32 bits (alpha), each image the file's.
  const std::string ico = assetFile("quillhour.ico");
  const std::vector<GroupImage> icons =
      groupOf(resourceBytes(module, QH_IDI_PRODUCT, RT_GROUP_ICON), false);
  const int sizes[] = {16, 32, 48};
  ASSERT_EQ(icons.size(), 3u);
  for (size_t i = 0; i < icons.size(); ++i) {
    EXPECT_EQ(icons[i].width, sizes[i]);
    const std::string image = resourceBytes(module, icons[i].id, RT_ICON);
    EXPECT_EQ(read<WORD>(image, 14), 32) << "bits a pixel, in the image's own header";
    EXPECT_EQ(image, fileImage(ico, i));
    const Loaded loaded = loadedImage(module, QH_IDI_PRODUCT, IMAGE_ICON, sizes[i]);
    EXPECT_TRUE(loaded.icon);
    EXPECT_EQ(loaded.width, sizes[i]);
    EXPECT_EQ(loaded.height, sizes[i]);
  }

  // The link pointer: one 32-pixel image of 32 bits, hot spot at the fingertip (10, 1).
  const std::vector<GroupImage> cursors =
      groupOf(resourceBytes(module, QH_IDC_LINK, RT_GROUP_CURSOR), true);
  ASSERT_EQ(cursors.size(), 1u);
  EXPECT_EQ(cursors[0].width, 32);
  const std::string cursor = resourceBytes(module, cursors[0].id, RT_CURSOR);
  EXPECT_EQ(cursor, std::string("\x0A\0\x01\0", 4) + fileImage(assetFile("link.cur"), 0))
      << "the hot spot, then the file's image";
  EXPECT_EQ(read<WORD>(cursor, 4 + 14), 32) << "bits a pixel";
  const Loaded pointer = loadedImage(module, QH_IDC_LINK, IMAGE_CURSOR, 0);
  EXPECT_FALSE(pointer.icon);
  EXPECT_EQ(pointer.width, 32);
  EXPECT_EQ(pointer.hotX, 10u);
  EXPECT_EQ(pointer.hotY, 1u);
}

INSTANTIATE_TEST_SUITE_P(BothServers, ServerResources,
                         ::testing::Values("Quillhour", "QuillhourControls"));

}  // namespace
}  // namespace qh::win::test
