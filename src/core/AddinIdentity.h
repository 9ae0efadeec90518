#pragma once

// How Outlook and COM know the add-in. Fixed values of this deliverable.
namespace qh::core {

inline constexpr const char* kProgId = "Quillhour.Connect";
inline constexpr const char* kClassId = "{CD9A9032-D74E-4F77-8EF5-4DDCF7DE99D8}";
inline constexpr const char* kClassName = "Quillhour Connect";
inline constexpr const char* kFriendlyName = "Quillhour";
inline constexpr const char* kDescription = "Outlook time and project reporting";
inline constexpr unsigned kLoadBehavior = 3;  // connect now and at every start of Outlook
inline constexpr const char* kOutlookAddinsKey = "Software\\Microsoft\\Office\\Outlook\\Addins";

// The application title shown in captions and the log window.
inline constexpr const char* kAppTitle = "Quillhour";
// The subject that marks the hidden settings appointment.
inline constexpr const char* kSettingsSubject = "Quillhour_Settings1_";

}  // namespace qh::core
