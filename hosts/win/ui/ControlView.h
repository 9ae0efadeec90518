#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

#include "forms/Control.h"
#include "hosts/win/ui/FaceAssets.h"

namespace qh::win {

// What a control's window needs from the window it sits in.
class ViewHost {
 public:
  virtual const FaceAssets& assets() const = 0;
  // The user moved the keyboard focus to the control.
  virtual void focusedByUser(forms::Control& control) = 0;
  // Keeps the window and its views alive while a user's action runs, even if the action
  // closes the form.
  virtual std::shared_ptr<void> keepAlive() = 0;

 protected:
  ~ViewHost() = default;
};

// The Win32 child window of one control model, kept in step both ways: the user's actions
// reach the model through its own entry points (click, choose, type, pick, ...), raising the
// events they raise for a test; every change of the model, from code or from the user, shows
// at once (the model's observer hook). The model is the one source of truth: a view pushes
// to its window only what changed in the model since it last showed it, so it never undoes
// what the user is doing (the caret, a selection being made).
//
// Each kind of control has its view (ControlViews.h); the parent window hands each child's
// notifications to its view.
class ControlView {
 public:
  ControlView(forms::Control& model, ViewHost& host);
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;
  virtual ~ControlView();

  // Makes the window as a child of parent with the control id, at the model's place, and
  // shows the model's state in it. False when Windows made no window.
  bool create(HWND parent, int id);
  HWND window() const { return window_; }
  // The window is going: the view stops showing the model.
  void detach();
  forms::Control& model() const { return model_; }
  virtual bool tabStop() const { return false; }

  // The parent's messages about this child.
  virtual void onCommand(int code) { (void)code; }
  virtual LRESULT onNotify(const NMHDR& header) {
    (void)header;
    return 0;
  }
  // WM_CTLCOLOR...: the brush for the background, or null for the default colours.
  virtual HBRUSH onColor(HDC dc) {
    (void)dc;
    return nullptr;
  }
  virtual void onDraw(const DRAWITEMSTRUCT& item) { (void)item; }
  // The pointer over the control, or null for the default.
  virtual HCURSOR cursor() const { return nullptr; }

  // Shows what changed in the model; while a user's action is being handed to the model,
  // waits until it is done.
  void sync();

  // Reports the exception being handled, the failure of a model's handler that ran for a
  // user's action: there is no caller to hand it to.
  static void reportFailedAction() noexcept;

 protected:
  struct WindowStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
  };
  // The window's class and styles (WS_CHILD, WS_VISIBLE and WS_DISABLED are added).
  virtual WindowStyle windowStyle() const = 0;
  // The window's place in pixels (the model's by default).
  virtual RECT place() const;
  // After the window is made, before the first push.
  virtual void created() {}
  // Shows the kind's own state (caption, text, entries, ...); only what changed.
  virtual void push() = 0;

  // Hands a user's action to the model. Its effects on this control show when it is done;
  // an action the window reports while it is being changed by push() is the window's echo,
  // not the user's, and is ignored. A failure of the model's handler has no caller to go back
  // to: it is reported to the debugger and the window goes on.
  template <class Action>
  void fromUser(Action action) {
    if (syncing_) return;
    const std::shared_ptr<void> keep = host_.keepAlive();
    ++busy_;
    try {
      action();
    } catch (...) {
      reportFailedAction();
    }
    doneWithUser();
  }
  void focusedByUser() { host_.focusedByUser(model_); }

  const FaceAssets& assets() const { return host_.assets(); }
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(window_, message, wParam, lParam);
  }
  void setFont(HFONT font) const;
  std::wstring windowText() const;

  // The last value a view showed of one part of the model.
  template <class T>
  class Shown {
   public:
    // Whether now differs from what was shown; remembers it as shown.
    bool changes(const T& now) {
      if (shown_ && *shown_ == now) return false;
      shown_ = now;
      return true;
    }
    void forget() { shown_.reset(); }

   private:
    std::optional<T> shown_;
  };

 private:
  void doneWithUser();

  forms::Control& model_;
  ViewHost& host_;
  HWND window_ = nullptr;
  int busy_ = 0;
  bool dirty_ = false;
  bool syncing_ = false;
  Shown<bool> enabled_;
  Shown<bool> visible_;
};

}  // namespace qh::win
