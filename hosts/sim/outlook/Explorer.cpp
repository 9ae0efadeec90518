#include "hosts/sim/outlook/Explorer.h"

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Explorers.h"
#include "hosts/sim/outlook/Selection.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kWindowClosed = static_cast<std::int32_t>(0x80040107u);

}  // namespace

Explorer::Explorer(WeakLink<Application> app, Folder& folder)
    : app_(std::move(app)), folder_(&folder) {}

Explorer::~Explorer() = default;

void Explorer::fire(std::string_view event) {
  Application* app = app_.get();
  fireEvent(app ? &app->failures() : nullptr, events_, event);
}

void Explorer::switchTo(Folder& folder) {
  Ref<Explorer> keepAlive(this);
  folder_ = Ref<Folder>(&folder);
  fire("FolderSwitch");
  const bool hadSelection = !selection_.empty();
  selection_.clear();
  if (folder.defaultItemType() != kAppointmentItem && !folder.items().empty())
    selection_.push_back(folder.items().front());
  if (hadSelection || !selection_.empty()) fire("SelectionChange");
}

void Explorer::select(std::vector<Ref<Item>> items) {
  Ref<Explorer> keepAlive(this);
  selection_ = std::move(items);
  fire("SelectionChange");
}

void Explorer::activate() {
  Ref<Explorer> keepAlive(this);
  fire("Activate");
}

void Explorer::close() {
  if (closed_) return;
  Ref<Explorer> keepAlive(this);
  fire("Close");
  commandBars_.reset();
  closed_ = true;
  if (Application* app = app_.get()) {
    if (app->settings().windowClosed) app->settings().windowClosed(*this);
    app->explorers().remove(*this);
  }
}

Ref<Object> Explorer::commandBars() {
  if (!commandBars_) {
    Application* app = app_.get();
    if (!app || !app->settings().commandBars) throw Error(ErrorCode::NotSupported);
    commandBars_ = app->settings().commandBars(*this);
  }
  return commandBars_;
}

Variant Explorer::dispatch(std::string_view name, CallKind kind, Args& args) {
  if (closed_)
    throw Error(kWindowClosed,
                "The Explorer has been closed and cannot be used for further operations. "
                "Review your code and restart Outlook.");
  return TableObject<Explorer>::dispatch(name, kind, args);
}

const DispatchTable<Explorer>& Explorer::table() {
  static const DispatchTable<Explorer> t = [] {
    DispatchTable<Explorer> d;
    d.get("CurrentFolder", [](Explorer& e, Args&) { return Variant(Ref<Object>(e.folder_)); });
    d.put("CurrentFolder", [](Explorer& e, Args& a) {
      Ref<Object> target = putValue(a).toObject();
      auto* folder = dynamic_cast<Folder*>(target.get());
      if (!folder) throw Error(ErrorCode::TypeMismatch);
      e.switchTo(*folder);
      return Variant();
    });
    d.get("Selection", [](Explorer& e, Args&) {
      return Variant(Ref<Object>(makeRef<Selection>(e.selection_)));
    });
    d.get("CommandBars", [](Explorer& e, Args&) { return Variant(e.commandBars()); });
    d.method("Activate", [](Explorer& e, Args&) {
      e.activate();
      return Variant();
    });
    d.method("Close", [](Explorer& e, Args&) {
      e.close();
      return Variant();
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
