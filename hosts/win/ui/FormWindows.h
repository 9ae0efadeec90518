#pragma once

#include <memory>
#include <vector>

#include "automation/Ref.h"
#include "hosts/win/ui/DialogKeyboard.h"

namespace qh {
class Object;
}

namespace qh::win {

class FaceAssets;
class FormWindow;

// The window system of the real desktop: what the platform seam's form calls do on Windows.
// A form is kept from loaded (or first shown) until unloaded, with its dialog window: made
// hidden when the form loads, shown and hidden with it, destroyed when it unloads. Keyboard
// navigation in the dialogs is routed by a DialogKeyboard. An object that is no form model
// is kept, but not drawn; so is every form when Windows makes no windows (no desktop).
class FormWindows {
 public:
  FormWindows();
  FormWindows(const FormWindows&) = delete;
  FormWindows& operator=(const FormWindows&) = delete;
  ~FormWindows();

  void loaded(Object& form);
  void shown(Object& form);
  void hidden(Object& form);
  void unloaded(Object& form);

  // The forms loaded and not yet unloaded, in the order they were loaded or first shown.
  std::vector<Ref<Object>> openForms() const;

 private:
  struct Entry {
    Ref<Object> form;
    std::shared_ptr<FormWindow> window;
  };
  Entry& keep(Object& form);
  Entry* find(const Object& form);

  std::shared_ptr<const FaceAssets> assets_;  // made with the first window
  DialogKeyboard keyboard_;
  std::vector<Entry> entries_;
};

}  // namespace qh::win
