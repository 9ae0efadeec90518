// A picture: the product's image named by the model, centred in the control's place and
// scaled with the screen's resolution (the images are drawn for 96 dots per inch). Without
// the image nothing is drawn.
#include "forms/Picture.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class PictureView final : public ControlView {
 public:
  PictureView(forms::Picture& model, ViewHost& host) : ControlView(model, host), picture_(model) {}

  void onDraw(const DRAWITEMSTRUCT& item) override {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HBITMAP image = assets().picture(picture_.image());
    BITMAP size{};
    if (!image || !GetObjectW(image, sizeof size, &size)) return;
    const int width = MulDiv(size.bmWidth, assets().dpiX(), 96);
    const int height = MulDiv(size.bmHeight, assets().dpiY(), 96);
    const int left = (item.rcItem.left + item.rcItem.right - width) / 2;
    const int top = (item.rcItem.top + item.rcItem.bottom - height) / 2;
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(source, image);
    SetStretchBltMode(item.hDC, HALFTONE);
    StretchBlt(item.hDC, left, top, width, height, source, 0, 0, size.bmWidth, size.bmHeight,
               SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }

 protected:
  WindowStyle windowStyle() const override { return {L"STATIC", SS_OWNERDRAW}; }
  void push() override {}

 private:
  forms::Picture& picture_;
};

}  // namespace

std::unique_ptr<ControlView> makePictureView(forms::Picture& model, ViewHost& host) {
  return std::make_unique<PictureView>(model, host);
}

}  // namespace qh::win
