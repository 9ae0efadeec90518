#include "forms/Form.h"

namespace qh::forms {

Form::Form(platform::System& system, std::string caption, int clientWidth, int clientHeight)
    : system_(system),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
  caption_ = std::move(caption);
  if (observer_) observer_();
}

void Form::setFocusedControl(Control* c) {
  focused_ = c;
  if (observer_) observer_();
}

void Form::add(Control& control) {
  control.attach(this);
  controls_.push_back(&control);
}

Control* Form::control(std::string_view name) const {
  for (Control* c : controls_)
    if (memberNameEquals(c->name(), name)) return c;
  return nullptr;
}

void Form::load() {
  if (state_ != State::Created) return;
  state_ = State::Loaded;
  system_.formLoaded(*this);
  formLoad();
}

void Form::show() {
  if (state_ == State::Unloaded) state_ = State::Created;
  load();
  visible_ = true;
  system_.formShown(*this);
}

void Form::hide() {
  if (!visible_) return;
  visible_ = false;
  system_.formHidden(*this);
}

void Form::unload() {
  if (state_ == State::Unloaded) return;
  Ref<Object> keepAlive(this);  // the callback may drop the keeper's reference
  visible_ = false;
  state_ = State::Unloaded;
  system_.formUnloaded(*this);
  if (auto callback = std::exchange(onUnloaded_, nullptr)) callback();
}

const DispatchTable<Form>& Form::table() {
  static const DispatchTable<Form> t = [] {
    DispatchTable<Form> d;
    d.get("Caption", [](Form& f, Args&) { return Variant(f.caption_); });
    d.put("Caption", [](Form& f, Args& a) {
      f.setCaption(putValue(a).toString());
      return Variant();
    });
    d.get("Visible", [](Form& f, Args&) { return Variant(f.visible_); });
    d.method("Show", [](Form& f, Args&) {
      f.show();
      return Variant();
    });
    d.method("Hide", [](Form& f, Args&) {
      f.hide();
      return Variant();
    });
    d.method("Unload", [](Form& f, Args&) {
      f.unload();
      return Variant();
    });
    d.method("Close", [](Form& f, Args&) {
      f.closeFromFrame();
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant Form::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  if (Control* c = control(name); c && kind != CallKind::Put && args.empty())
    return Variant(static_cast<Object*>(c));
  throw Error(ErrorCode::NotSupported);
}

}  // namespace qh::forms
