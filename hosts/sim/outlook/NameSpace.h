#pragma once

#include <map>
#include <string>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/Folder.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Application;

// The "MAPI" namespace: one mailbox, whose root folder "Mailbox - <user>" holds the default
// folders (Calendar, Contacts, Deleted Items, Drafts, Inbox, Outbox, Sent Items). Members:
// GetDefaultFolder(n), Type, Parent, CurrentUser. The root folder's Parent is the namespace,
// as in Outlook.
class NameSpace : public TableObject<NameSpace> {
 public:
  NameSpace(WeakLink<Application> app, std::string user);
  ~NameSpace() override;

  const std::string& user() const { return user_; }
  Folder& root() const { return *root_; }
  // Raises as Outlook does for a default folder the mailbox does not have.
  Folder& defaultFolder(int which) const;

  const Anchor& anchor() const { return anchor_; }

 private:
  friend class TableObject<NameSpace>;
  static const DispatchTable<NameSpace>& table();

  WeakLink<Application> app_;
  std::string user_;
  Ref<Folder> root_;
  std::map<int, Folder*> defaults_;  // owned below root_
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
