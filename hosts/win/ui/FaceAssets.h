#pragma once

#include <windows.h>

#include <string>

#include "forms/Label.h"

namespace qh::win {

// What every window the face draws shares: the screen's resolution, by which twips become
// pixels (pixels = twips * dpi / 1440), the fonts, and the module's own pictures, icon and
// link pointer. Resources come from the module holding this code (the DLL, not the program
// that loaded it); one that is missing is simply not drawn: no picture, no icon, the standard
// arrow pointer. Made and used on the user-interface thread.
class FaceAssets {
 public:
  FaceAssets();
  FaceAssets(const FaceAssets&) = delete;
  FaceAssets& operator=(const FaceAssets&) = delete;
  ~FaceAssets();

  HINSTANCE module() const { return module_; }
  int dpiX() const { return dpiX_; }
  int dpiY() const { return dpiY_; }
  int pixelsX(int twips) const { return MulDiv(twips, dpiX_, 1440); }
  int pixelsY(int twips) const { return MulDiv(twips, dpiY_, 1440); }
  // A rectangle given in twips, in pixels.
  RECT pixels(int left, int top, int width, int height) const;

  HFONT font(forms::Label::Style style = forms::Label::Style::Plain) const;
  // A picture by the name a picture model gives it, or null; owned here.
  HBITMAP picture(const std::string& image) const;
  // The product's icon at the size of a window's caption (small) or of Alt+Tab (big), or null.
  HICON productIcon(bool big) const;
  // The pointer over a link label: the module's own, or the standard arrow.
  HCURSOR linkCursor() const;

 private:
  HINSTANCE module_;
  int dpiX_ = 96;
  int dpiY_ = 96;
  HFONT text_ = nullptr;
  HFONT title_ = nullptr;
  HFONT link_ = nullptr;
  HBITMAP tag_ = nullptr;
  HBITMAP about_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HCURSOR linkCursor_ = nullptr;
};

}  // namespace qh::win
