// A single-line text box: an edit control. Typing reaches the model as the user's typing
// (the replaced part of the text, so the model's caret follows the window's); a released key
// raises the model's KeyUp with the Shift, Ctrl and Alt state.
#include <string>

#include "forms/TextBox.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

int shiftState() {
  return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// The UTF-8 length of the first `units` UTF-16 units of text.
int bytesOf(const std::wstring& text, size_t units) {
  return static_cast<int>(narrow(std::wstring_view(text).substr(0, units)).size());
}

// The UTF-16 position of a UTF-8 position in text.
WPARAM unitsOf(const std::string& text, int bytes) {
  return widen(std::string_view(text).substr(0, static_cast<size_t>(bytes))).size();
}

class TextBoxView final : public ControlView {
 public:
  TextBoxView(forms::TextBox& model, ViewHost& host) : ControlView(model, host), box_(model) {}
  ~TextBoxView() override {
    if (window()) RemoveWindowSubclass(window(), &TextBoxView::keys, 0);
  }

  bool tabStop() const override { return true; }
  void onCommand(int code) override {
    if (code == EN_CHANGE) fromUser([this] { typed(); });
    if (code == EN_SETFOCUS) focusedByUser();
  }

 protected:
  WindowStyle windowStyle() const override {
    return {L"EDIT", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
  }
  void created() override {
    SetWindowSubclass(window(), &TextBoxView::keys, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  void push() override {
    const bool newText = text_.changes(box_.text());
    if (newText) SetWindowTextW(window(), widen(box_.text()).c_str());
    if (selection_.changes({box_.selStart(), box_.selLength()}) || newText) {
      const std::string& text = box_.text();
      send(EM_SETSEL, unitsOf(text, box_.selStart()),
           static_cast<LPARAM>(unitsOf(text, box_.selStart() + box_.selLength())));
    }
  }

 private:
  struct Selection {
    int start, length;
    bool operator==(const Selection&) const = default;
  };

  // The window's text changed: the user replaced the part between the unchanged start and
  // the unchanged end.
  void typed() {
    const std::wstring now = windowText();
    const std::wstring before = widen(box_.text());
    size_t prefix = 0;
    while (prefix < now.size() && prefix < before.size() && now[prefix] == before[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < now.size() - prefix && suffix < before.size() - prefix &&
           now[now.size() - 1 - suffix] == before[before.size() - 1 - suffix])
      ++suffix;
    const std::wstring replaced = before.substr(prefix, before.size() - prefix - suffix);
    box_.setSelStart(bytesOf(before, prefix));
    box_.setSelLength(static_cast<int>(narrow(replaced).size()));
    box_.type(narrow(now.substr(prefix, now.size() - prefix - suffix)));
    // The window shows this already.
    text_.changes(box_.text());
    selection_.changes({box_.selStart(), box_.selLength()});
  }

  static LRESULT CALLBACK keys(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR self) {
    if (message == WM_KEYUP) {
      auto* view = reinterpret_cast<TextBoxView*>(self);
      const int key = static_cast<int>(wParam);
      view->fromUser([view, key] { view->box_.keyUp(key, shiftState()); });
      return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
  }

  forms::TextBox& box_;
  Shown<std::string> text_;
  Shown<Selection> selection_;
};

}  // namespace

std::unique_ptr<ControlView> makeTextBoxView(forms::TextBox& model, ViewHost& host) {
  return std::make_unique<TextBoxView>(model, host);
}

}  // namespace qh::win
