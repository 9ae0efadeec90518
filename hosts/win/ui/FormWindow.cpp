#include "hosts/win/ui/FormWindow.h"

#include <algorithm>
#include <numeric>

#include "forms/Button.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

// An ordinary fixed dialog: a caption with the product's icon and a close box. The dialog
// paints beneath its children (no WS_CLIPCHILDREN), as a frame leaves its inside to it.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPanelStyle = WS_CHILD | WS_VISIBLE | DS_CONTROL | WS_CLIPSIBLINGS;

// The template of a dialog without controls: they are made one by one from the model.
struct alignas(4) EmptyTemplate {
  DLGTEMPLATE dialog;
  WORD menu, windowClass, title;
};

}  // namespace

FormWindow::FormWindow(forms::Form& form, std::shared_ptr<const FaceAssets> assets)
    : form_(&form), assets_(std::move(assets)) {}

FormWindow::~FormWindow() {
  destroy();
  views_.clear();  // before the form, which they observe
}

std::shared_ptr<FormWindow> FormWindow::dialog(forms::Form& form,
                                               std::shared_ptr<const FaceAssets> assets) {
  auto made = std::make_shared<FormWindow>(form, std::move(assets));
  if (!made->create(kDialogStyle, WS_EX_CONTROLPARENT, nullptr)) return nullptr;
  RECT frame{0, 0, made->assets_->pixelsX(form.clientWidth()),
             made->assets_->pixelsY(form.clientHeight())};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, WS_EX_CONTROLPARENT);
  SetWindowPos(made->window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (bool big : {false, true})
    if (HICON icon = made->assets_->productIcon(big))
      SendMessageW(made->window_, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                   reinterpret_cast<LPARAM>(icon));
  made->createChildren();
  return made;
}

std::shared_ptr<FormWindow> FormWindow::panel(forms::Form& form, HWND parent, const RECT& place,
                                              std::shared_ptr<const FaceAssets> assets,
                                              std::function<void()> onFocus) {
  auto made = std::make_shared<FormWindow>(form, std::move(assets));
  made->onFocus_ = std::move(onFocus);
  if (!made->create(kPanelStyle, WS_EX_CONTROLPARENT, parent)) return nullptr;
  MoveWindow(made->window_, place.left, place.top, place.right - place.left,
             place.bottom - place.top, TRUE);
  made->createChildren();
  return made;
}

bool FormWindow::create(DWORD style, DWORD exStyle, HWND parent) {
  EmptyTemplate empty{};
  empty.dialog.style = style;
  empty.dialog.dwExtendedStyle = exStyle;
  window_ = CreateDialogIndirectParamW(assets_->module(), &empty.dialog, parent,
                                       &FormWindow::procedure, reinterpret_cast<LPARAM>(this));
  return window_ != nullptr;
}

// Children are made in the model's tab order, which makes it the window's: Tab walks the
// z-order. Controls without a tab index come last.
void FormWindow::createChildren() {
  const std::vector<forms::Control*>& controls = form_->controls();
  std::vector<size_t> order(controls.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const int ta = controls[a]->tabIndex(), tb = controls[b]->tabIndex();
    return (ta < 0 ? INT_MAX : ta) < (tb < 0 ? INT_MAX : tb);
  });
  views_.resize(controls.size());
  for (size_t index : order) {
    std::unique_ptr<ControlView> view = makeControlView(*controls[index], *this);
    if (view && view->create(window_, kFirstId + static_cast<int>(index)))
      views_[index] = std::move(view);
  }
  form_->observe([this] { sync(); });
  sync();
}

HWND FormWindow::windowOf(const forms::Control& control) const {
  for (const auto& view : views_)
    if (view && &view->model() == &control) return view->window();
  return nullptr;
}

void FormWindow::centre() {
  RECT frame{};
  GetWindowRect(window_, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(GetForegroundWindow(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(window_, nullptr, area.left + std::max(0L, (area.right - area.left - width) / 2),
               area.top + std::max(0L, (area.bottom - area.top - height) / 2), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::show() {
  if (!window_) return;
  if (!placed_) {
    centre();
    placed_ = true;
  }
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  showFocus();
}

void FormWindow::hide() {
  if (window_) ShowWindow(window_, SW_HIDE);
}

void FormWindow::destroy() {
  if (!window_) return;
  form_->observe(nullptr);
  for (const auto& view : views_)
    if (view) view->detach();
  HWND window = std::exchange(window_, nullptr);
  SetWindowLongPtrW(window, DWLP_USER, 0);
  DestroyWindow(window);
}

namespace {

// A window and, beneath it, its children, each drawing itself (WM_PRINT; the children one by
// one, bottom of the z-order first, as not every window draws its children itself).
void printTree(HWND window, HDC dc, POINT at) {
  POINT old{};
  SetViewportOrgEx(dc, at.x, at.y, &old);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
  RECT frame{};
  GetWindowRect(window, &frame);
  for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child;
       child = GetWindow(child, GW_HWNDPREV)) {
    if (!IsWindowVisible(child)) continue;
    RECT place{};
    GetWindowRect(child, &place);
    printTree(child, dc, POINT{at.x + place.left - frame.left, at.y + place.top - frame.top});
  }
}

}  // namespace

void FormWindow::print(HDC dc, POINT at) const {
  if (window_) printTree(window_, dc, at);
}

void FormWindow::sync() {
  if (!window_) return;
  if (caption_ != form_->caption()) {
    caption_ = form_->caption();
    SetWindowTextW(window_, widen(*caption_).c_str());
  }
  if (focus_ != form_->focusedControl() && IsWindowVisible(window_)) showFocus();
}

// The keyboard focus goes where the model has it.
void FormWindow::showFocus() {
  focus_ = form_->focusedControl();
  if (!focus_) return;
  if (HWND child = windowOf(*focus_); child && GetFocus() != child && !IsChild(child, GetFocus()))
    SetFocus(child);
}

void FormWindow::focusedByUser(forms::Control& control) {
  focus_ = &control;
  control.setFocus();
  if (onFocus_) onFocus_();
}

ControlView* FormWindow::viewOf(int id) const {
  const int index = id - kFirstId;
  if (index < 0 || index >= static_cast<int>(views_.size())) return nullptr;
  return views_[static_cast<size_t>(index)].get();
}

ControlView* FormWindow::viewOf(HWND child) const {
  for (const auto& view : views_)
    if (view && view->window() == child) return view.get();
  return nullptr;
}

INT_PTR CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<FormWindow*>(lParam);
    self->window_ = window;
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    return FALSE;  // the focus is the model's to give
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!self || self->window_ != window) return FALSE;
  const std::shared_ptr<FormWindow> keep = self->shared_from_this();
  try {
    return self->handle(message, wParam, lParam);
  } catch (...) {
    ControlView::reportFailedAction();
    return TRUE;
  }
}

INT_PTR FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      ControlView* view = viewOf(static_cast<int>(header.idFrom));
      if (!view) return FALSE;
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, view->onNotify(header));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (ControlView* view = viewOf(reinterpret_cast<HWND>(lParam)))
        if (HBRUSH brush = view->onColor(reinterpret_cast<HDC>(wParam)))
          return reinterpret_cast<INT_PTR>(brush);
      return FALSE;
    case WM_DRAWITEM:
      if (ControlView* view = viewOf(static_cast<int>(wParam))) {
        view->onDraw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      return FALSE;
    case WM_SETCURSOR:
      if (ControlView* view = viewOf(reinterpret_cast<HWND>(wParam)))
        if (HCURSOR cursor = view->cursor()) {
          SetCursor(cursor);
          SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
          return TRUE;
        }
      return FALSE;
    case WM_CLOSE:
      form_->closeFromFrame();
      return TRUE;
    default:
      return FALSE;
  }
}

// Escape (IDCANCEL) presses the form's cancel button, if it has one; Enter presses the default
// button through its own id (DM_SETDEFID) and without one (IDOK) does nothing.
void FormWindow::command(int id, int code) {
  if (id == IDCANCEL) {
    for (forms::Control* c : form_->controls())
      if (auto* button = dynamic_cast<forms::Button*>(c); button && button->isCancel())
        if (ControlView* view = viewOf(windowOf(*button))) return view->onCommand(BN_CLICKED);
    return;
  }
  if (ControlView* view = viewOf(id)) view->onCommand(code);
}

}  // namespace qh::win
