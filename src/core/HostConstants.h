#pragma once

// Outlook and Office enumeration values, as the add-in passes them (names as the type
// libraries publish them).
namespace qh::core {

// Outlook
inline constexpr int olFolderOutbox = 4;
inline constexpr int olFolderInbox = 6;
inline constexpr int olFolderCalendar = 9;
inline constexpr int olAppointmentItem = 1;  // CreateItem type
inline constexpr int olAppointment = 26;     // item Class
inline constexpr int olSave = 0;             // Close option
inline constexpr int olNonMeeting = 0;       // MeetingStatus

// Office command bars
inline constexpr int msoBarTop = 1;
inline constexpr int msoBarNoCustomize = 1;
inline constexpr int msoBarNoChangeVisible = 8;
inline constexpr int msoBarNoChangeDock = 16;
inline constexpr int kBarProtection =
    msoBarNoCustomize + msoBarNoChangeVisible + msoBarNoChangeDock;
inline constexpr int msoControlButton = 1;
inline constexpr int msoControlComboBox = 4;
inline constexpr int msoButtonIconAndCaption = 3;
inline constexpr int msoComboLabel = 1;

// The name both command bars are created with and found again by.
inline constexpr const char* kBarName = "Quillhour";

}  // namespace qh::core
