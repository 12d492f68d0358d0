// The resources every test .exe links, as the program loads them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

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

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  BITMAP bm{};
  GetIconInfo(icon, &info);
  GetObjectA(info.hbmColor, sizeof(bm), &bm);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bm.bmWidth, bm.bmHeight};
}

// Each picture exists at the sizes the shell and the title bar ask for, drawn
// at that size rather than scaled.
TEST(Resources, IconsComeInTheirSizes) {
  struct Case {
    int id;
    std::vector<int> sizes;
  };
  std::vector<Case> cases = {{IDI_MAINICON, {48, 32, 16}}, {IDI_SMALLICON, {16, 32}}};
  for (int day = 1; day <= 31; ++day) cases.push_back({IDI_DAY_BASE + day, {16, 32, 48}});
  for (const Case& c : cases) {
    for (int size : c.sizes) {
      SCOPED_TRACE(std::to_string(c.id) + " at " + std::to_string(size));
      HICON icon = static_cast<HICON>(
          LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr);
      SIZE got = IconSize(icon);
      EXPECT_EQ(got.cx, size);
      EXPECT_EQ(got.cy, size);
      HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(c.id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
      ASSERT_NE(group, nullptr);
      int best = LookupIconIdFromDirectoryEx(static_cast<PBYTE>(LockResource(LoadResource(nullptr, group))), TRUE,
                                             size, size, LR_DEFAULTCOLOR);
      HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(best), MAKEINTRESOURCEA(3));  // RT_ICON
      ASSERT_NE(image, nullptr);
      auto* header = static_cast<BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, image)));
      EXPECT_EQ(header->biWidth, size);
      DestroyIcon(icon);
    }
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
