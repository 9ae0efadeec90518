#include "hosts/win/ui/FaceAssets.h"

#include <commctrl.h>

#include "hosts/win/platform/ModulePath.h"
#include "hosts/win/server/ResourceIds.h"

namespace qh::win {
namespace {

// The forms' font: 8.25 points, as the dialogs were laid out for. "MS Shell Dlg" is the
// system's dialog face; the link labels ask for "MS Sans Serif" by name.
constexpr int kTextCentipoints = 825;
constexpr int kTitleCentipoints = 1200;

HFONT makeFont(const wchar_t* face, int centipoints, int dpi, int weight, bool underline) {
  LOGFONTW f{};
  f.lfHeight = -MulDiv(centipoints, dpi, 7200);
  f.lfWeight = weight;
  f.lfUnderline = underline;
  f.lfCharSet = DEFAULT_CHARSET;
  f.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(f.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&f);
}

HBITMAP loadBitmap(HINSTANCE module, int id) {
  return static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HICON loadIcon(HINSTANCE module, int metricX, int metricY) {
  return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(QH_IDI_PRODUCT), IMAGE_ICON,
                                       GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0));
}

}  // namespace

FaceAssets::FaceAssets() : module_(thisModule()) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  if (HDC screen = GetDC(nullptr)) {
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  text_ = makeFont(L"MS Shell Dlg", kTextCentipoints, dpiY_, FW_NORMAL, false);
  title_ = makeFont(L"MS Shell Dlg", kTitleCentipoints, dpiY_, FW_BOLD, false);
  link_ = makeFont(L"MS Sans Serif", kTextCentipoints, dpiY_, FW_NORMAL, true);
  tag_ = loadBitmap(module_, QH_IDB_TAG);
  about_ = loadBitmap(module_, QH_IDB_ABOUT);
  bigIcon_ = loadIcon(module_, SM_CXICON, SM_CYICON);
  smallIcon_ = loadIcon(module_, SM_CXSMICON, SM_CYSMICON);
  // A cursor resource loaded by LoadCursor is shared: it is never destroyed.
  linkCursor_ = LoadCursorW(module_, MAKEINTRESOURCEW(QH_IDC_LINK));
  if (!linkCursor_) linkCursor_ = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
}

FaceAssets::~FaceAssets() {
  for (HFONT font : {text_, title_, link_})
    if (font) DeleteObject(font);
  for (HBITMAP bitmap : {tag_, about_})
    if (bitmap) DeleteObject(bitmap);
  for (HICON icon : {bigIcon_, smallIcon_})
    if (icon) DestroyIcon(icon);
}

RECT FaceAssets::pixels(int left, int top, int width, int height) const {
  const int x = pixelsX(left);
  const int y = pixelsY(top);
  return RECT{x, y, pixelsX(left + width), pixelsY(top + height)};
}

HFONT FaceAssets::font(forms::Label::Style style) const {
  switch (style) {
    case forms::Label::Style::Title:
      return title_;
    case forms::Label::Style::Link:
      return link_;
    default:
      return text_;
  }
}

HBITMAP FaceAssets::picture(const std::string& image) const {
  if (image == "TagSymbol") return tag_;
  if (image == "AboutPicture") return about_;
  return nullptr;
}

HICON FaceAssets::productIcon(bool big) const {
  return big ? bigIcon_ : smallIcon_;
}

HCURSOR FaceAssets::linkCursor() const {
  return linkCursor_;
}

}  // namespace qh::win
