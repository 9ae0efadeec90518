#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "automation/Ref.h"
#include "forms/Form.h"
#include "hosts/win/ui/ControlView.h"
#include "hosts/win/ui/FaceAssets.h"

namespace qh::win {

// One form model drawn as a Win32 window: a dialog window (the dialog manager's, so that
// focus, the default button and keyboard navigation are Windows' own) with one child per
// control, made kind by kind (makeControlView) in the model's tab order at the model's twips
// scaled to the screen. Either a top-level dialog of its own (a form shown modeless, without
// an owner window) or a panel inside another window (a control's in-place window).
//
// Both directions stay in step: the form's caption and focus and each control's state show
// as the model changes (the models' observer hooks); the user's actions reach the model as
// its events (the views); Escape presses the model's cancel button, Enter its default one,
// and closing from the frame is the form's closeFromFrame. The window holds a reference to
// the form for as long as it lives; it is kept by shared_ptr, and a user's action keeps it
// alive while it runs, even when the action unloads the form.
class FormWindow final : public std::enable_shared_from_this<FormWindow>, private ViewHost {
 public:
  // A hidden top-level dialog of the form's caption and client size; null when Windows made
  // no window (no desktop to make it on).
  static std::shared_ptr<FormWindow> dialog(forms::Form& form,
                                            std::shared_ptr<const FaceAssets> assets);
  // A visible child window of parent at place (pixels, in parent's client area); onFocus runs
  // when the user puts the keyboard focus into it.
  static std::shared_ptr<FormWindow> panel(forms::Form& form, HWND parent, const RECT& place,
                                           std::shared_ptr<const FaceAssets> assets,
                                           std::function<void()> onFocus);

  FormWindow(forms::Form& form, std::shared_ptr<const FaceAssets> assets);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow();

  HWND window() const { return window_; }
  forms::Form& form() const { return *form_; }
  // The child window of one of the form's controls, or null.
  HWND windowOf(const forms::Control& control) const;

  // Shows the dialog and brings it forward (centred on the screen the first time).
  void show();
  void hide();
  // Lets go of the window; the model is no longer shown.
  void destroy();
  // Draws the window with its children into dc, its top left corner at `at` (a picture the
  // window's container asks for).
  void print(HDC dc, POINT at) const;

 private:
  static constexpr int kFirstId = 1000;  // control ids: kFirstId + the control's index

  bool create(DWORD style, DWORD exStyle, HWND parent);
  void createChildren();
  void centre();
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
  void command(int id, int code);
  ControlView* viewOf(int id) const;
  ControlView* viewOf(HWND child) const;
  void sync();
  void showFocus();

  const FaceAssets& assets() const override { return *assets_; }
  void focusedByUser(forms::Control& control) override;
  std::shared_ptr<void> keepAlive() override { return shared_from_this(); }

  Ref<forms::Form> form_;
  std::shared_ptr<const FaceAssets> assets_;
  HWND window_ = nullptr;
  bool placed_ = false;
  std::function<void()> onFocus_;
  std::optional<std::string> caption_;
  forms::Control* focus_ = nullptr;
  std::vector<std::unique_ptr<ControlView>> views_;  // by the controls' order, null if not drawn
};

}  // namespace qh::win
