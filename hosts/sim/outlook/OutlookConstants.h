#pragma once

namespace qh::sim::outlook {

// Outlook's enumeration values, as its type library publishes them.

// OlDefaultFolders: the folders GetDefaultFolder knows.
enum DefaultFolder : int {
  kFolderDeletedItems = 3,
  kFolderOutbox = 4,
  kFolderSentMail = 5,
  kFolderInbox = 6,
  kFolderCalendar = 9,
  kFolderContacts = 10,
  kFolderDrafts = 16,
};

// OlItemType: what CreateItem and Items.Add make.
enum ItemType : int {
  kMailItem = 0,
  kAppointmentItem = 1,
  kContactItem = 2,
};

// OlObjectClass values of the objects that report a Class.
enum ObjectClass : int {
  kClassFolder = 2,
  kClassAppointment = 26,
  kClassContact = 40,
  kClassMail = 43,
};

// OlInspectorClose: how Close treats unsaved changes.
enum class SaveMode : int {
  Save = 0,     // olSave
  Discard = 1,  // olDiscard
  Prompt = 2,   // olPromptForSave
};

}  // namespace qh::sim::outlook
