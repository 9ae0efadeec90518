#include "hosts/sim/outlook/ItemWindow.h"

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/ItemWindows.h"
#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kWindowClosed = static_cast<std::int32_t>(0x80040107u);

}  // namespace

ItemWindow::ItemWindow(WeakLink<Application> app, Item& item)
    : app_(std::move(app)), item_(&item) {}

ItemWindow::~ItemWindow() = default;

void ItemWindow::fire(std::string_view event) {
  Application* app = app_.get();
  fireEvent(app ? &app->failures() : nullptr, events_, event);
}

void ItemWindow::activate() {
  Ref<ItemWindow> keepAlive(this);
  fire("Activate");
}

void ItemWindow::close(SaveMode mode) {
  if (closed_) return;
  Ref<ItemWindow> keepAlive(this);
  if (!item_->deleted()) item_->applySaveMode(mode);
  closeWindow();
}

void ItemWindow::closeWindow() {
  if (closed_) return;
  Ref<ItemWindow> keepAlive(this);
  fire("Close");
  commandBars_.reset();
  closed_ = true;
  if (Application* app = app_.get()) {
    if (app->settings().windowClosed) app->settings().windowClosed(*this);
    app->inspectors().remove(*this);
  }
}

Ref<Object> ItemWindow::commandBars() {
  if (!commandBars_) {
    Application* app = app_.get();
    if (!app || !app->settings().commandBars) throw Error(ErrorCode::NotSupported);
    commandBars_ = app->settings().commandBars(*this);
  }
  return commandBars_;
}

Variant ItemWindow::dispatch(std::string_view name, CallKind kind, Args& args) {
  if (closed_)
    throw Error(kWindowClosed,
                "The Inspector has been closed and cannot be used for further operations.");
  return TableObject<ItemWindow>::dispatch(name, kind, args);
}

const DispatchTable<ItemWindow>& ItemWindow::table() {
  static const DispatchTable<ItemWindow> t = [] {
    DispatchTable<ItemWindow> d;
    d.get("CurrentItem", [](ItemWindow& i, Args&) { return Variant(Ref<Object>(i.item_)); });
    d.get("CommandBars", [](ItemWindow& i, Args&) { return Variant(i.commandBars()); });
    d.method("Activate", [](ItemWindow& i, Args&) {
      i.activate();
      return Variant();
    });
    d.method("Close", [](ItemWindow& i, Args& a) {
      i.close(saveModeArg(requiredArg(a, 0)));
      return Variant();
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
