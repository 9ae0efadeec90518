#pragma once

#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {

// A mail message (Class 43): Subject, Body, To, Categories. Saved mail goes to Drafts; sent
// mail ends up in Sent Items.
class MailItem : public Item {
 public:
  explicit MailItem(WeakLink<Application> app);

 protected:
  void afterSend(Application& app) override;
};

}  // namespace qh::sim::outlook
