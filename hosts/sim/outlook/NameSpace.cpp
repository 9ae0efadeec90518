#include "hosts/sim/outlook/NameSpace.h"

#include "hosts/sim/outlook/Application.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kNotFound = static_cast<std::int32_t>(0x8004010Fu);  // MAPI_E_NOT_FOUND

struct DefaultFolderEntry {
  int id;
  const char* name;
  int itemType;
};

// In the order Outlook lists a mailbox's folders.
constexpr DefaultFolderEntry kDefaultFolders[] = {
    {kFolderCalendar, "Calendar", kAppointmentItem},
    {kFolderContacts, "Contacts", kContactItem},
    {kFolderDeletedItems, "Deleted Items", kMailItem},
    {kFolderDrafts, "Drafts", kMailItem},
    {kFolderInbox, "Inbox", kMailItem},
    {kFolderOutbox, "Outbox", kMailItem},
    {kFolderSentMail, "Sent Items", kMailItem},
};

}  // namespace

NameSpace::NameSpace(WeakLink<Application> app, std::string user)
    : app_(std::move(app)), user_(std::move(user)) {
  root_ = makeRef<Folder>(app_, "Mailbox - " + user_, kMailItem);
  root_->setParent(WeakLink<Object>(*this));
  for (const DefaultFolderEntry& entry : kDefaultFolders)
    defaults_[entry.id] = &root_->addFolder(entry.name, entry.itemType);
}

NameSpace::~NameSpace() = default;

Folder& NameSpace::defaultFolder(int which) const {
  auto it = defaults_.find(which);
  if (it == defaults_.end())
    throw Error(kNotFound, "The attempted operation failed.  An object could not be found.");
  return *it->second;
}

const DispatchTable<NameSpace>& NameSpace::table() {
  static const DispatchTable<NameSpace> t = [] {
    DispatchTable<NameSpace> d;
    d.method("GetDefaultFolder", [](NameSpace& n, Args& a) {
      return Variant(static_cast<Object*>(&n.defaultFolder(requiredArg(a, 0).toInt32())));
    });
    d.get("Type", [](NameSpace&, Args&) { return Variant("MAPI"); });
    d.get("CurrentUser", [](NameSpace& n, Args&) { return Variant(n.user_); });
    d.get("Parent",
          [](NameSpace& n, Args&) { return Variant(static_cast<Object*>(n.app_.get())); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
