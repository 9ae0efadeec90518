// A list box showing the model's entries in the model's order (a sorted model sorts them
// itself, so the window never sorts), with one selected entry or, where the model says, an
// extended multiple selection (Shift and Ctrl).
#include <string>
#include <vector>

#include "forms/ListBox.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class ListBoxView final : public ControlView {
 public:
  ListBoxView(forms::ListBox& model, ViewHost& host) : ControlView(model, host), list_(model) {}

  bool tabStop() const override { return true; }
  void onCommand(int code) override {
    if (code == LBN_SELCHANGE) fromUser([this] { selected(); });
    if (code == LBN_SETFOCUS) focusedByUser();
  }

 protected:
  WindowStyle windowStyle() const override {
    const DWORD selection = list_.multiSelect() ? LBS_EXTENDEDSEL : 0;
    return {L"LISTBOX",
            WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | selection,
            WS_EX_CLIENTEDGE};
  }
  void push() override {
    const bool newEntries = entries_.changes(list_.items());
    if (newEntries) showEntries();
    if (selection_.changes(modelSelection()) || newEntries) showSelection();
  }

 private:
  struct Selection {
    std::vector<bool> entries;
    int index = -1;
    bool operator==(const Selection&) const = default;
  };

  Selection modelSelection() const {
    Selection s;
    for (int i = 0; i < list_.listCount(); ++i) s.entries.push_back(list_.selected(i));
    s.index = list_.listIndex();
    return s;
  }
  // Refills the list without flicker, keeping the scroll position.
  void showEntries() {
    const LRESULT top = send(LB_GETTOPINDEX);
    send(WM_SETREDRAW, FALSE);
    send(LB_RESETCONTENT);
    for (const std::string& entry : list_.items())
      send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(entry).c_str()));
    send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    send(WM_SETREDRAW, TRUE);
    InvalidateRect(window(), nullptr, TRUE);
  }
  void showSelection() {
    if (!list_.multiSelect()) {
      send(LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()));
      return;
    }
    for (int i = 0; i < list_.listCount(); ++i)
      send(LB_SETSEL, list_.selected(i), static_cast<LPARAM>(i));
    if (list_.listIndex() >= 0) send(LB_SETCARETINDEX, static_cast<WPARAM>(list_.listIndex()));
  }
  // The user changed the selection: the model takes the window's.
  void selected() {
    if (list_.multiSelect()) {
      for (int i = 0; i < list_.listCount(); ++i) {
        const bool on = send(LB_GETSEL, static_cast<WPARAM>(i)) > 0;
        if (on != list_.selected(i)) list_.setSelected(i, on);
      }
      const LRESULT caret = send(LB_GETCARETINDEX);
      if (caret >= 0 && caret < list_.listCount()) list_.setListIndex(static_cast<int>(caret));
    } else {
      list_.setListIndex(static_cast<int>(send(LB_GETCURSEL)));
    }
    selection_.changes(modelSelection());
  }

  forms::ListBox& list_;
  Shown<std::vector<std::string>> entries_;
  Shown<Selection> selection_;
};

}  // namespace

std::unique_ptr<ControlView> makeListBoxView(forms::ListBox& model, ViewHost& host) {
  return std::make_unique<ListBoxView>(model, host);
}

}  // namespace qh::win
