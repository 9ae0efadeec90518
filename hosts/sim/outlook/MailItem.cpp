#include "hosts/sim/outlook/MailItem.h"

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Folder.h"
#include "hosts/sim/outlook/NameSpace.h"

namespace qh::sim::outlook {

MailItem::MailItem(WeakLink<Application> app) : Item(std::move(app), kClassMail, kMailItem) {
  declare("Subject", "");
  declare("Body", "");
  declare("To", "");
  declare("Categories", "");
}

void MailItem::afterSend(Application& app) {
  if (Folder* drafts = folder(); drafts && stored()) drafts->unfile(*this);
  setHome(app.nameSpace().defaultFolder(kFolderSentMail));
  save();
}

}  // namespace qh::sim::outlook
