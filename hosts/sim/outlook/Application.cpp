#include "hosts/sim/outlook/Application.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

#include "hosts/sim/outlook/AppointmentItem.h"
#include "hosts/sim/outlook/ContactItem.h"
#include "hosts/sim/outlook/Explorers.h"
#include "hosts/sim/outlook/ItemWindows.h"
#include "hosts/sim/outlook/MailItem.h"
#include "hosts/sim/outlook/NameSpace.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kCantCreateObject = 429;
constexpr const char* kCantCreateObjectText = "ActiveX component can't create object";

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Outlook proposes the next half hour as a new appointment's start.
Date nextHalfHour(Date now) {
  constexpr double kSlotsPerDay = 48.0;
  return Date(std::ceil(now.serial() * kSlotsPerDay - 1e-9) / kSlotsPerDay);
}

}  // namespace

Application::Application(Settings settings) : settings_(std::move(settings)) {
  const WeakLink<Application> self(*this);
  nameSpace_ = makeRef<NameSpace>(self, settings_.user);
  explorers_ = makeRef<Explorers>(self);
  inspectors_ = makeRef<ItemWindows>(self);
  assistant_ = makeRef<office::Assistant>();
}

Application::~Application() = default;

void Application::registerCreatable(const std::string& progId, ObjectFactory factory) {
  creatable_[lower(progId)] = std::move(factory);
}

Ref<Object> Application::createObject(const std::string& progId) {
  Ref<Object> object;
  if (auto it = creatable_.find(lower(progId)); it != creatable_.end())
    object = it->second();
  else if (settings_.activate)
    object = settings_.activate(progId);
  if (!object) throw Error(kCantCreateObject, kCantCreateObjectText);
  return object;
}

Ref<Item> Application::createItem(int itemType) {
  const WeakLink<Application> self(*this);
  switch (itemType) {
    case kMailItem:
      return makeRef<MailItem>(self);
    case kAppointmentItem:
      return makeRef<AppointmentItem>(self, nextHalfHour(settings_.now ? settings_.now() : Date()));
    case kContactItem:
      return makeRef<ContactItem>(self);
    default:
      throw Error(ErrorCode::InvalidCall);
  }
}

Folder& Application::defaultFolderFor(int itemType) const {
  switch (itemType) {
    case kAppointmentItem:
      return nameSpace_->defaultFolder(kFolderCalendar);
    case kContactItem:
      return nameSpace_->defaultFolder(kFolderContacts);
    default:
      return nameSpace_->defaultFolder(kFolderDrafts);
  }
}

bool Application::answerSavePrompt(Item& item) {
  // The subject from the stored fields: a test's faults on the item's members stay untouched.
  const std::optional<Variant> subject = item.field("Subject");
  savePrompts_.push_back({subject ? subject->toString() : "", settings_.saveWhenPrompted});
  return settings_.saveWhenPrompted;
}

std::string Application::nextEntryId() {
  // The shape of a store's entry identifiers: a flag word, the store's id, the item's number.
  char buf[64];
  std::snprintf(buf, sizeof buf, "00000000%032X%08lX", 0x51484Fu, ++entryIds_);
  return buf;
}

void Application::raiseStartup() {
  failures_.fire(events_, "Startup");
}

void Application::raiseQuit() {
  failures_.fire(events_, "Quit");
}

bool Application::raiseItemSend(Item& item) {
  Args args{Variant(static_cast<Object*>(&item)), Variant(false)};
  failures_.fire(events_, "ItemSend", args);
  bool cancel = false;
  try {
    cancel = args[1].toBool();
  } catch (const Error&) {
    // A handler that stored something unreadable in Cancel leaves the send alone.
  }
  return !cancel;
}

const DispatchTable<Application>& Application::table() {
  static const DispatchTable<Application> t = [] {
    DispatchTable<Application> d;
    d.method("GetNamespace", [](Application& a, Args& args) {
      if (lower(requiredArg(args, 0).toString()) != "mapi") throw Error(ErrorCode::InvalidCall);
      return Variant(static_cast<Object*>(a.nameSpace_.get()));
    });
    d.get("Session",
          [](Application& a, Args&) { return Variant(static_cast<Object*>(a.nameSpace_.get())); });
    d.get("Explorers",
          [](Application& a, Args&) { return Variant(static_cast<Object*>(a.explorers_.get())); });
    d.get("Inspectors",
          [](Application& a, Args&) { return Variant(static_cast<Object*>(a.inspectors_.get())); });
    d.get("Assistant",
          [](Application& a, Args&) { return Variant(static_cast<Object*>(a.assistant_.get())); });
    d.get("Version", [](Application& a, Args&) { return Variant(a.settings_.version); });
    d.get("Name", [](Application&, Args&) { return Variant("Outlook"); });
    d.method("CreateItem", [](Application& a, Args& args) {
      return Variant(Ref<Object>(a.createItem(requiredArg(args, 0).toInt32())));
    });
    d.method("CreateObject", [](Application& a, Args& args) {
      return Variant(a.createObject(requiredArg(args, 0).toString()));
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
