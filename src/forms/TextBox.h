#pragma once

#include <functional>
#include <string>

#include "forms/Control.h"

namespace qh::forms {

// A single-line text box. Positions (SelStart, SelLength) count bytes of the UTF-8 text.
class TextBox : public Control {
 public:
  // KeyUp(KeyCode, Shift): the virtual-key code of the released key and the Shift, Ctrl and
  // Alt state as 1, 2 and 4 added up.
  using KeyHandler = std::function<void(int keyCode, int shift)>;

  TextBox(std::string name, Rect rect, int tabIndex);

  const char* kind() const override { return "TextBox"; }

  const std::string& text() const { return text_; }
  // As in VB, setting the text from code puts the caret before the first character.
  void setText(std::string text);

  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  // Raise "Invalid property value" for a negative value; a value past the end stops there.
  void setSelStart(int start);
  void setSelLength(int length);

  void onKeyUp(KeyHandler handler) { onKeyUp_ = std::move(handler); }

  // The user types: the text replaces the selection and the caret follows it. Focus stays
  // where it is (a host that models focus moves it itself).
  void type(const std::string& text);
  // The user releases a key while the box has the keyboard.
  void keyUp(int keyCode, int shift = 0);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<TextBox>& table();
  int length() const { return static_cast<int>(text_.size()); }

  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  KeyHandler onKeyUp_;
};

}  // namespace qh::forms
