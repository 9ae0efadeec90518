#include "hosts/sim/outlook/Inspector.h"

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Inspectors.h"
#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kWindowClosed = static_cast<std::int32_t>(0x80040107u);

}  // namespace

Inspector::Inspector(WeakLink<Application> app, Item& item) : app_(std::move(app)), item_(&item) {}

Inspector::~Inspector() = default;

void Inspector::fire(std::string_view event) {
  Application* app = app_.get();
  fireEvent(app ? &app->failures() : nullptr, events_, event);
}

void Inspector::activate() {
  Ref<Inspector> keepAlive(this);
  fire("Activate");
}

void Inspector::close(SaveMode mode) {
  if (closed_) return;
  Ref<Inspector> keepAlive(this);
  if (!item_->deleted()) item_->applySaveMode(mode);
  closeWindow();
}

void Inspector::closeWindow() {
  if (closed_) return;
  Ref<Inspector> keepAlive(this);
  fire("Close");
  commandBars_.reset();
  closed_ = true;
  if (Application* app = app_.get()) {
    if (app->settings().windowClosed) app->settings().windowClosed(*this);
    app->inspectors().remove(*this);
  }
}

Ref<Object> Inspector::commandBars() {
  if (!commandBars_) {
    Application* app = app_.get();
    if (!app || !app->settings().commandBars) throw Error(ErrorCode::NotSupported);
    commandBars_ = app->settings().commandBars(*this);
  }
  return commandBars_;
}

Variant Inspector::dispatch(std::string_view name, CallKind kind, Args& args) {
  if (closed_)
    throw Error(kWindowClosed,
                "The Inspector has been closed and cannot be used for further operations.");
  return TableObject<Inspector>::dispatch(name, kind, args);
}

const DispatchTable<Inspector>& Inspector::table() {
  static const DispatchTable<Inspector> t = [] {
    DispatchTable<Inspector> d;
    d.get("CurrentItem", [](Inspector& i, Args&) { return Variant(Ref<Object>(i.item_)); });
    d.get("CommandBars", [](Inspector& i, Args&) { return Variant(i.commandBars()); });
    d.method("Activate", [](Inspector& i, Args&) {
      i.activate();
      return Variant();
    });
    d.method("Close", [](Inspector& i, Args& a) {
      i.close(saveModeArg(requiredArg(a, 0)));
      return Variant();
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
