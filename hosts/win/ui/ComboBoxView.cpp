// A combo box: an edit field above a drop-down list, not sorted (the model keeps the order).
// Choosing an entry from the list is the model's choose (its Click); typing into the edit
// field is the model's type (Change, and no entry chosen).
#include <string>
#include <vector>

#include "forms/ComboBox.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

// The drop-down list shows up to this many entries.
constexpr int kListedEntries = 8;

class ComboBoxView final : public ControlView {
 public:
  ComboBoxView(forms::ComboBox& model, ViewHost& host) : ControlView(model, host), box_(model) {}

  bool tabStop() const override { return true; }
  void onCommand(int code) override {
    switch (code) {
      case CBN_SELCHANGE:
        if (const LRESULT index = send(CB_GETCURSEL); index >= 0)
          fromUser([this, index] { chose(static_cast<int>(index)); });
        break;
      case CBN_EDITCHANGE:
        fromUser([this] { typed(); });
        break;
      case CBN_SETFOCUS:
        focusedByUser();
        break;
      default:
        break;
    }
  }

 protected:
  WindowStyle windowStyle() const override {
    return {L"COMBOBOX", WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL};
  }
  // The window's height given at creation includes the list's.
  RECT place() const override {
    RECT at = ControlView::place();
    at.bottom += (at.bottom - at.top) * kListedEntries;
    return at;
  }
  // The closed box stands as high as the model says: its edit field's height is set to fit.
  // The height asked for and the one the field then has may differ by the box's own margin
  // (Wine adds two pixels), so the request is corrected by the window's height it produced.
  void created() override {
    const int wanted =
        assets().pixelsY(box_.rect().top + box_.rect().height) - assets().pixelsY(box_.rect().top);
    LRESULT field = send(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1));
    for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
      RECT now{};
      GetWindowRect(window(), &now);
      const int error = wanted - static_cast<int>(now.bottom - now.top);
      if (error == 0) break;
      field += error;
      send(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
  }
  void push() override {
    const bool newEntries = entries_.changes(box_.items());
    if (newEntries) {
      send(CB_RESETCONTENT);
      for (const std::string& entry : box_.items())
        send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(entry).c_str()));
    }
    if (index_.changes(box_.listIndex()) || newEntries)
      send(CB_SETCURSEL, static_cast<WPARAM>(box_.listIndex()));
    if (text_.changes(box_.text()) || newEntries) showText();
  }

 private:
  void showText() {
    const std::wstring text = widen(box_.text());
    if (windowText() != text) SetWindowTextW(window(), text.c_str());
  }
  void chose(int index) {
    box_.choose(index);
    index_.changes(box_.listIndex());
    text_.changes(box_.text());
  }
  void typed() {
    box_.type(narrow(windowText()));
    index_.changes(box_.listIndex());
    text_.changes(box_.text());
  }

  forms::ComboBox& box_;
  Shown<std::vector<std::string>> entries_;
  Shown<int> index_;
  Shown<std::string> text_;
};

}  // namespace

std::unique_ptr<ControlView> makeComboBoxView(forms::ComboBox& model, ViewHost& host) {
  return std::make_unique<ComboBoxView>(model, host);
}

}  // namespace qh::win
