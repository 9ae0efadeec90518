#include "hosts/win/ui/ControlView.h"

#include <string>

#include "automation/Error.h"

namespace qh::win {

ControlView::ControlView(forms::Control& model, ViewHost& host) : model_(model), host_(host) {}

// The window goes with its parent's.
ControlView::~ControlView() {
  model_.observe(nullptr);
}

RECT ControlView::place() const {
  const forms::Rect& r = model_.rect();
  return assets().pixels(r.left, r.top, r.width, r.height);
}

bool ControlView::create(HWND parent, int id) {
  const WindowStyle s = windowStyle();
  const RECT at = place();
  window_ = CreateWindowExW(s.exStyle, s.className, L"", s.style | WS_CHILD, at.left, at.top,
                            at.right - at.left, at.bottom - at.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), assets().module(),
                            nullptr);
  if (!window_) return false;
  setFont(assets().font());
  created();
  model_.observe([this] { sync(); });
  sync();
  return true;
}

void ControlView::detach() {
  model_.observe(nullptr);
  window_ = nullptr;
}

void ControlView::reportFailedAction() noexcept {
  try {
    const std::string text = "Quillhour: a user's action failed: " + describeCurrentException();
    OutputDebugStringA(text.c_str());
  } catch (...) {
  }
}

std::wstring ControlView::windowText() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void ControlView::setFont(HFONT font) const {
  if (font) send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ControlView::sync() {
  if (!window_) return;
  if (busy_ > 0) {
    dirty_ = true;
    return;
  }
  struct Syncing {
    bool& flag;
    const bool was;
    explicit Syncing(bool& f) : flag(f), was(f) { flag = true; }
    ~Syncing() { flag = was; }
  } syncing(syncing_);
  if (enabled_.changes(model_.enabled())) EnableWindow(window_, model_.enabled());
  push();
  if (visible_.changes(model_.visible()))
    ShowWindow(window_, model_.visible() ? SW_SHOWNA : SW_HIDE);
}

void ControlView::doneWithUser() {
  if (--busy_ > 0 || !dirty_) return;
  dirty_ = false;
  sync();
}

}  // namespace qh::win
