#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "hosts/sim/mailbox/CalendarStore.h"
#include "hosts/sim/outlook/Application.h"  // Folder.h needs it whole
#include "hosts/sim/outlook/AppointmentItem.h"
#include "hosts/sim/outlook/Folder.h"

namespace qh::sim {

// What a session did to the mailbox, counted in appointments.
struct MailboxChanges {
  int changed = 0;
  int deleted = 0;
  int added = 0;
  bool any() const { return changed + deleted + added > 0; }
};

// A user's calendar file as the default calendar folder of the simulated Outlook. Binding files
// one stored appointment per VEVENT in the folder, its EntryID the entry's key (UID, with the
// RECURRENCE-ID of an exception); an override of a series the file holds becomes an exception
// of that series' appointment, as Outlook keeps it, and no item of the folder. writeBack puts the
// folder's saved state back into the file: appointments whose saved values changed are patched,
// those no longer in the folder are removed, and those that came into it are added. Unsaved changes
// never reach the file.
class MailboxBinding {
 public:
  MailboxBinding(mailbox::CalendarStore store, outlook::Folder& calendar);

  const std::string& path() const { return store_.path(); }
  std::string backupPath() const { return store_.backupPath(); }
  bool writable() const { return store_.writable(); }
  const std::vector<std::string>& warnings() const { return store_.warnings(); }
  // The appointments the file held when it was bound or last written.
  std::size_t size() const { return bound_.size(); }

  // What writeBack would do now.
  MailboxChanges pending() const;
  // Writes the file when anything changed, atomically, keeping the previous file as
  // path + ".bak"; answers what changed. Raises mailbox::CalendarError (Write) when the file
  // cannot be replaced; it then stays as it was.
  MailboxChanges writeBack();

 private:
  // An appointment and the component it was read from; what was read stays with the
  // component, so the binding keeps no copy of it.
  struct Bound {
    Ref<outlook::AppointmentItem> item;
    mailbox::ComponentHandle component;
  };
  // Visits each appointment of the folder as visit(appointment, bound), bound null for one
  // that came into the folder during the session.
  template <class Visit>
  void forEachAppointment(Visit&& visit) const;
  void bind(const std::vector<Ref<outlook::AppointmentItem>>& items,
            const std::vector<mailbox::ComponentHandle>& components);

  mailbox::CalendarStore store_;
  Ref<outlook::Folder> calendar_;
  std::vector<Bound> bound_;
  // Each bound appointment and its place in bound_, ordered by address for look-up.
  std::vector<std::pair<const outlook::Item*, std::size_t>> index_;
};

}  // namespace qh::sim
