// The resources every test .exe links, as the program loads them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resource.h"

namespace {

struct MenuItem {
  UINT id;
  std::string text;
  bool operator==(const MenuItem& o) const { return id == o.id && text == o.text; }
};

TEST(Resources, TrayMenuHasOnePopupWithItsItemsInOrder) {
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAYMENU));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  char text[64] = {};
  GetMenuStringA(menu, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&Popup");
  HMENU popup = GetSubMenu(menu, 0);
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(popup); ++i) {
    char itemText[64] = {};
    GetMenuStringA(popup, static_cast<UINT>(i), itemText, sizeof(itemText), MF_BYPOSITION);
    bool separator = (GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0;
    items.push_back({separator ? 0u : GetMenuItemID(popup, i), separator ? "-" : itemText});
  }
  DestroyMenu(menu);
  const std::vector<MenuItem> expected = {
      {146, "&Month by Month"}, {145, "&Stopwatch"}, {148, "Hol&idays"}, {149, "&Events"},
      {151, "Countdown &Timers"}, {147, "&About"}, {0, "-"}, {144, "&Open"}, {143, "&Hide"},
      {0, "-"}, {142, "E&xit"}};
  EXPECT_TRUE(items == expected);
}

// The sizes an icon resource holds, from its RT_GROUP_ICON directory, each
// checked against the image it names: drawn at that size, not scaled.
std::vector<int> GroupIconSizes(int id) {
#pragma pack(push, 2)
  struct Entry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD imageId;
  };
#pragma pack(pop)
  std::vector<int> sizes;
  HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  if (group == nullptr) return sizes;
  const auto* dir = static_cast<const WORD*>(LockResource(LoadResource(nullptr, group)));
  const auto* entries = reinterpret_cast<const Entry*>(dir + 3);
  for (WORD i = 0; i < dir[2]; ++i) {
    const int size = entries[i].width == 0 ? 256 : entries[i].width;
    HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(entries[i].imageId), MAKEINTRESOURCEA(3));  // RT_ICON
    const auto* header = image != nullptr ? static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, image))) : nullptr;
    sizes.push_back(header != nullptr && header->biWidth == size && header->biHeight == 2 * size ? size : -size);
  }
  return sizes;
}

// Every icon holds the small and large sizes at 100, 125 and 150 % display
// scale (the tray's 16, 20 and 24) and 48 for Explorer.
TEST(Resources, IconsComeInEveryDisplayScalesSizes) {
  std::vector<int> ids = {IDI_MAINICON, IDI_SMALLICON};
  for (int day = 1; day <= 31; ++day) ids.push_back(IDI_DAY_BASE + day);
  for (int id : ids) {
    SCOPED_TRACE(id);
    std::vector<int> sizes = GroupIconSizes(id);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 48}));
  }
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_CALENDAR),
                                                    IMAGE_BITMAP, 0, 0, 0));
  EXPECT_NE(bitmap, nullptr);
  DeleteObject(bitmap);
}

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return "";
  return value;
}

TEST(Resources, VersionIs3320InUsEnglishAnsi) {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof(exe));
  DWORD handle = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(exe, &handle));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(exe, 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(3, 3));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 2));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(3, 3));
  EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(0, 2));
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                             &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 0x04E4);
  EXPECT_EQ(VersionString(block, "ProductVersion"), "3.3.2.0");
  EXPECT_EQ(VersionString(block, "FileVersion"), "3.3.2.0");
}

// The manifest brings version 6 of the common controls: only that version
// has the link control.
TEST(Resources, ManifestSelectsCommonControls6) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LINK_CLASS};
  EXPECT_TRUE(InitCommonControlsEx(&icc));
  HWND link = CreateWindowExA(0, "SysLink", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(link, nullptr);
  DestroyWindow(link);
}

}  // namespace
