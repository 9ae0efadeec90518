#include "hosts/sim/outlook/Item.h"

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Folder.h"
#include "hosts/sim/outlook/ItemWindow.h"
#include "hosts/sim/outlook/ItemWindows.h"
#include "hosts/sim/outlook/OutlookArgs.h"
#include "hosts/sim/outlook/UserProperties.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kObjectDeleted = static_cast<std::int32_t>(0x8004010Au);
constexpr std::int32_t kHostGone = static_cast<std::int32_t>(0x80010108u);  // RPC_E_DISCONNECTED

}  // namespace

Item::Item(WeakLink<Application> app, int objectClass, int itemType)
    : app_(std::move(app)), class_(objectClass), type_(itemType) {}

Item::Item(WeakLink<Application> app, int objectClass, int itemType, const PropertyBag& prototype)
    : app_(std::move(app)),
      class_(objectClass),
      type_(itemType),
      working_(prototype),
      saved_(prototype) {}

Item::~Item() = default;

Folder* Item::folder() const {
  return folder_.get();
}

void Item::setHome(Folder& folder) {
  folder_ = WeakLink<Folder>(folder);
}

Application* Item::application() const {
  return app_.get();
}

void Item::movedOrDeleted() {
  throw Error(kObjectDeleted, "The item has been moved or deleted.");
}

void Item::requireNotDeleted() const {
  if (deleted_) movedOrDeleted();
}

Application& Item::requireApplication() const {
  Application* app = app_.get();
  if (!app) throw Error(kHostGone, "The object invoked has disconnected from its clients.");
  return *app;
}

void Item::declare(std::string name, Variant initial) {
  working_.declare(name, initial);
  saved_.declare(std::move(name), std::move(initial));
}

void Item::markSaved() {
  saved_ = working_;
  userSaved_ = userWorking_;
  dirty_ = false;
}

void Item::storeWithin(Folder& folder, std::string entryId) {
  entryId_ = std::move(entryId);
  folder_ = WeakLink<Folder>(folder);
  stored_ = true;
  markSaved();
}

void Item::setValue(std::string_view name, const Variant& value) {
  working_.set(name, value);
  dirty_ = true;
  touched_ = true;
}

void Item::seedValue(std::string_view name, const Variant& value) {
  seedValues({{name, value}});
}

void Item::seedValues(std::initializer_list<std::pair<std::string_view, Variant>> values) {
  std::vector<std::pair<std::string_view, Variant>> own(values);
  seedValues(std::span(own));
}

void Item::seedValues(std::span<std::pair<std::string_view, Variant>> values) {
  const bool unchanged = working_.sharesValuesWith(saved_);
  if (!unchanged)
    for (const auto& [name, value] : values) saved_.set(name, value);
  for (auto& [name, value] : values) working_.set(name, std::move(value));
  if (unchanged) saved_ = working_;
}

std::optional<Variant> Item::field(std::string_view name) const {
  if (const Variant* v = working_.find(name)) return *v;
  return std::nullopt;
}

void Item::seedUserProperty(UserPropertyValue property) {
  const unsigned id = nextUserPropertyId_++;
  userWorking_.seed(id, property);
  userSaved_.seed(id, std::move(property));
}

unsigned Item::addUserProperty(std::string name, int type, bool addToFolderFields) {
  const unsigned id = nextUserPropertyId_++;
  userWorking_.add(id, std::move(name), type, addToFolderFields);
  dirty_ = true;
  touched_ = true;
  return id;
}

void Item::setUserPropertyValue(unsigned id, const Variant& value) {
  userWorking_.setValue(id, value);
  dirty_ = true;
  touched_ = true;
}

void Item::removeUserProperty(unsigned id) {
  userWorking_.remove(id);
  dirty_ = true;
  touched_ = true;
}

void Item::filed(Folder& folder) {
  folder_ = WeakLink<Folder>(folder);
  stored_ = true;
}

void Item::storeAsFound(Folder& folder) {
  if (entryId_.empty()) entryId_ = requireApplication().nextEntryId();
  saved_ = working_;
  userSaved_ = userWorking_;
  dirty_ = false;
  folder.file(*this);
}

void Item::save() {
  if (deleted_) movedOrDeleted();
  Application& app = requireApplication();
  Folder* target = folder_.get();
  if (!target) {
    if (stored_) movedOrDeleted();  // its folder has gone
    target = &app.defaultFolderFor(type_);
  }
  saved_ = working_;
  userSaved_ = userWorking_;
  dirty_ = false;
  touched_ = false;
  ++saveCount_;
  if (entryId_.empty()) entryId_ = app.nextEntryId();
  if (!stored_) target->file(*this);
}

void Item::discardChanges() {
  working_ = saved_;
  userWorking_ = userSaved_;
  // An item that never reached a folder stays unsaved.
  dirty_ = !stored_;
  touched_ = false;
}

void Item::applySaveMode(SaveMode mode) {
  switch (mode) {
    case SaveMode::Save:
      if (dirty_) save();
      break;
    case SaveMode::Discard:
      discardChanges();
      break;
    case SaveMode::Prompt:
      if (!changed()) break;
      if (requireApplication().answerSavePrompt(*this))
        save();
      else
        discardChanges();
      break;
  }
}

void Item::close(SaveMode mode) {
  if (deleted_) movedOrDeleted();
  Ref<Item> keepAlive(this);
  applySaveMode(mode);
  if (Application* app = application()) app->inspectors().closeShowing(*this);
}

void Item::remove() {
  if (deleted_) movedOrDeleted();
  Ref<Item> keepAlive(this);
  Application* app = application();
  // Outlook closes the window of an item that is deleted.
  if (app) app->inspectors().closeShowing(*this);
  if (Folder* folder = folder_.get(); folder && stored_) folder->unfile(*this);
  working_ = saved_;
  userWorking_ = userSaved_;
  dirty_ = false;
  deleted_ = true;
  if (app) app->itemDeleted(*this);
}

Ref<ItemWindow> Item::display() {
  if (deleted_) movedOrDeleted();
  return requireApplication().inspectors().open(*this);
}

bool Item::send() {
  if (deleted_) movedOrDeleted();
  Ref<Item> keepAlive(this);
  Application& app = requireApplication();
  if (!app.raiseItemSend(*this)) return false;
  sent_ = true;
  afterSend(app);
  app.itemSent(*this);
  // The window of a sent item closes.
  if (Application* still = application()) still->inspectors().closeShowing(*this);
  return true;
}

bool Item::dispatchOwn(std::string_view, CallKind, Args&, Variant&) {
  return false;
}

Variant Item::dispatch(std::string_view name, CallKind kind, Args& args) {
  if (deleted_) movedOrDeleted();
  Variant result;
  if (dispatchOwn(name, kind, args, result)) return result;
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  const Variant* value = working_.find(name);
  if (!value) throw Error(ErrorCode::NotSupported);
  if (kind == CallKind::Put) {
    setValue(name, putValue(args));
    return Variant();
  }
  return *value;
}

const DispatchTable<Item>& Item::table() {
  static const DispatchTable<Item> t = [] {
    DispatchTable<Item> d;
    d.get("Class", [](Item& i, Args&) { return Variant(i.class_); });
    d.get("EntryID", [](Item& i, Args&) { return Variant(i.entryId_); });
    d.get("Saved", [](Item& i, Args&) { return Variant(i.saved()); });
    d.get("Parent", [](Item& i, Args&) { return Variant(static_cast<Object*>(i.folder())); });
    d.get("UserProperties", [](Item& i, Args&) {
      return Variant(Ref<Object>(makeRef<UserProperties>(Ref<Item>(&i))));
    });
    d.method("Save", [](Item& i, Args&) {
      i.save();
      return Variant();
    });
    d.method("Close", [](Item& i, Args& a) {
      i.close(saveModeArg(requiredArg(a, 0)));
      return Variant();
    });
    d.method("Delete", [](Item& i, Args&) {
      i.remove();
      return Variant();
    });
    // Display(Modal): the simulated host has no modal loop; the window opens either way.
    d.method("Display", [](Item& i, Args&) {
      i.display();
      return Variant();
    });
    d.method("Send", [](Item& i, Args&) {
      i.send();
      return Variant();
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
