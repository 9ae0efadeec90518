#pragma once

#include <cstdint>
#include <string>

#include "automation/Date.h"

namespace qh {
class Object;
}

namespace qh::platform {

// Predefined registry roots, with their Win32 handle values.
enum class RegistryRoot : std::uint32_t {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
};

// Registry value types, with their Win32 numbers.
enum RegistryType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

using RegistryKey = std::uintptr_t;

inline constexpr long kRegSuccess = 0;       // ERROR_SUCCESS
inline constexpr long kRegFileNotFound = 2;  // ERROR_FILE_NOT_FOUND
inline constexpr long kRegMoreData = 234;    // ERROR_MORE_DATA

// Message box buttons, icons and answers, with their Win32/VB numbers.
enum class MessageButtons : int { Ok = 0, OkCancel = 1 };
enum class MessageIcon : int { None = 0, Question = 0x20, Warning = 0x30 };
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;

// What the operating system gives the add-in. The simulated host implements it with values a
// test sets (hosts/sim); the Windows binding with Win32 (hosts/win). No member raises unless
// it says so; sizes and results follow the Win32 functions named.
class System {
 public:
  virtual ~System() = default;

  // The current local date and time.
  virtual Date now() = 0;

  // Regional formats of the user's locale.
  // The short date, format code "ddddd" (GetDateFormat with DATE_SHORTDATE).
  virtual std::string shortDate(Date d) = 0;
  // The time of day with hours, minutes and seconds (GetTimeFormat, default format).
  virtual std::string longTime(Date d) = 0;
  virtual std::string timeSeparator() = 0;
  virtual std::string amDesignator() = 0;
  virtual std::string pmDesignator() = 0;
  // Orders two texts as the user's locale sorts words, letter case not counting (CompareStringEx
  // with NORM_IGNORECASE): below 0 when a comes first, 0 when they sort alike, above 0 when b
  // comes first. "É" and "é" sort alike, and both with the letter E, not after Z.
  virtual int compareText(const std::string& a, const std::string& b) = 0;

  // A modal message box; answers kAnswerOk or kAnswerCancel.
  virtual int messageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                         MessageIcon icon) = 0;

  // RegOpenKeyExA, RegQueryValueExA and RegCloseKey, with their results (0 on success).
  // queryValue writes at most `size` bytes into data (which may be null to ask the size),
  // sets size to the value's size in bytes, and answers kRegMoreData when it does not fit.
  // Text values (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) come as UTF-8, sizes counting its bytes.
  virtual long regOpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                          std::uint32_t access, RegistryKey& key) = 0;
  virtual long regQueryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                             std::uint8_t* data, std::uint32_t& size) = 0;
  virtual long regCloseKey(RegistryKey key) = 0;
  // Registration writes: creates the key path as needed and sets one value ("" is the
  // key's default value; a kRegDword is four bytes, low byte first); deletes a key with
  // everything below it. Answer 0 on success.
  virtual long regSetValue(RegistryRoot root, const std::string& subKey, const std::string& name,
                           std::uint32_t type, const std::string& data) = 0;
  virtual long regDeleteTree(RegistryRoot root, const std::string& subKey) = 0;

  // Whether a file exists at path (paths may use "\" as the separator).
  virtual bool fileExists(const std::string& path) = 0;

  // Starts a program with a window state (1 = normal, activated). Raises Error when the
  // program cannot be started.
  virtual void startProgram(const std::string& path, int windowState) = 0;

  // ShellExecute with the verb "open": opens a document, address or mail link with its
  // registered program; answers the shell's result (above 32 on success).
  virtual std::int32_t shellOpen(const std::string& target, int showCommand) = 0;

  // The folder the add-in's own module was loaded from, without a trailing separator.
  virtual std::string moduleFolder() = 0;

  // The window system. A dialog model tells when it is shown (modeless), hidden, or unloaded;
  // the host draws it (Win32) or lets a user or a test drive it by name (simulated host).
  // The host may keep a reference to a loaded form until it is unloaded. A form that is
  // loaded hidden (the log window) exists for the window system as a hidden window does.
  virtual void formLoaded(Object& form) = 0;
  virtual void formShown(Object& form) = 0;
  virtual void formHidden(Object& form) = 0;
  virtual void formUnloaded(Object& form) = 0;
};

}  // namespace qh::platform
