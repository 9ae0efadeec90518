#include "hosts/win/platform/SystemObject.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "hosts/win/platform/HexBytes.h"

namespace qh::win {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

std::uint32_t unsignedArg(const Args& args, size_t i) {
  return static_cast<std::uint32_t>(requiredArg(args, i).toInt32());
}

Variant signedBits(std::uint32_t value) {
  return Variant(static_cast<std::int32_t>(value));
}

RegistryRoot rootArg(const Args& args, size_t i) {
  return static_cast<RegistryRoot>(unsignedArg(args, i));
}

RegistryKey keyArg(const Args& args, size_t i) {
  return static_cast<RegistryKey>(requiredArg(args, i).toDouble());
}

std::string textArg(const Args& args, size_t i) {
  return requiredArg(args, i).toString();
}

Object& formArg(const Args& args) {
  Ref<Object> form = requiredArg(args, 0).toObject();
  if (!form) throw Error(ErrorCode::ObjectNotSet);
  return *form;  // the caller's argument keeps it alive through the call
}

Variant queryValue(platform::System& system, Args& args) {
  if (args.size() < 5) throw Error(ErrorCode::ArgumentNotOptional);
  const bool wantsData = !args[3].isMissing();
  std::uint32_t type = 0;
  std::uint32_t size = unsignedArg(args, 4);
  std::vector<std::uint8_t> buffer(wantsData ? size : 0);
  const long rc = system.regQueryValue(keyArg(args, 0), textArg(args, 1), type,
                                       wantsData ? buffer.data() : nullptr, size);
  args[2] = signedBits(type);
  if (wantsData) {
    const size_t written = rc == platform::kRegSuccess ? std::min<size_t>(size, buffer.size()) : 0;
    args[3] = toHex({reinterpret_cast<const char*>(buffer.data()), written});
  }
  args[4] = signedBits(size);
  return Variant(static_cast<std::int32_t>(rc));
}

}  // namespace

SystemObject::SystemObject(platform::System& system) : system_(system) {}

const DispatchTable<SystemObject>& SystemObject::table() {
  static const DispatchTable<SystemObject> t = [] {
    using S = SystemObject;
    DispatchTable<S> d;
    d.get("Now", [](S& s, Args&) { return Variant(s.system_.now()); });
    d.get("ShortDate",
          [](S& s, Args& a) { return Variant(s.system_.shortDate(requiredArg(a, 0).toDate())); });
    d.get("LongTime",
          [](S& s, Args& a) { return Variant(s.system_.longTime(requiredArg(a, 0).toDate())); });
    d.get("TimeSeparator", [](S& s, Args&) { return Variant(s.system_.timeSeparator()); });
    d.get("AMDesignator", [](S& s, Args&) { return Variant(s.system_.amDesignator()); });
    d.get("PMDesignator", [](S& s, Args&) { return Variant(s.system_.pmDesignator()); });
    d.get("ModuleFolder", [](S& s, Args&) { return Variant(s.system_.moduleFolder()); });
    d.method("CompareText", [](S& s, Args& a) {
      return Variant(s.system_.compareText(textArg(a, 0), textArg(a, 1)));
    });
    d.method("MessageBox", [](S& s, Args& a) {
      return Variant(
          s.system_.messageBox(textArg(a, 0), textArg(a, 1),
                               static_cast<platform::MessageButtons>(requiredArg(a, 2).toInt32()),
                               static_cast<platform::MessageIcon>(requiredArg(a, 3).toInt32())));
    });
    d.method("RegOpenKey", [](S& s, Args& a) {
      RegistryKey key = 0;
      const long rc = s.system_.regOpenKey(rootArg(a, 0), textArg(a, 1), unsignedArg(a, 2),
                                           unsignedArg(a, 3), key);
      requiredArg(a, 4);
      a[4] = Variant(static_cast<double>(key));
      return Variant(static_cast<std::int32_t>(rc));
    });
    d.method("RegQueryValue", [](S& s, Args& a) { return queryValue(s.system_, a); });
    d.method("RegCloseKey", [](S& s, Args& a) {
      return Variant(static_cast<std::int32_t>(s.system_.regCloseKey(keyArg(a, 0))));
    });
    d.method("RegSetValue", [](S& s, Args& a) {
      return Variant(static_cast<std::int32_t>(s.system_.regSetValue(
          rootArg(a, 0), textArg(a, 1), textArg(a, 2), unsignedArg(a, 3), fromHex(textArg(a, 4)))));
    });
    d.method("RegDeleteTree", [](S& s, Args& a) {
      return Variant(
          static_cast<std::int32_t>(s.system_.regDeleteTree(rootArg(a, 0), textArg(a, 1))));
    });
    d.method("FileExists",
             [](S& s, Args& a) { return Variant(s.system_.fileExists(textArg(a, 0))); });
    d.method("StartProgram", [](S& s, Args& a) {
      s.system_.startProgram(textArg(a, 0), requiredArg(a, 1).toInt32());
      return Variant();
    });
    d.method("ShellOpen", [](S& s, Args& a) {
      return Variant(s.system_.shellOpen(textArg(a, 0), requiredArg(a, 1).toInt32()));
    });
    d.method("FormLoaded", [](S& s, Args& a) {
      s.system_.formLoaded(formArg(a));
      return Variant();
    });
    d.method("FormShown", [](S& s, Args& a) {
      s.system_.formShown(formArg(a));
      return Variant();
    });
    d.method("FormHidden", [](S& s, Args& a) {
      s.system_.formHidden(formArg(a));
      return Variant();
    });
    d.method("FormUnloaded", [](S& s, Args& a) {
      s.system_.formUnloaded(formArg(a));
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant SystemObject::invoke(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

}  // namespace qh::win
