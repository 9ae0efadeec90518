#pragma once

#include <cctype>
#include <string>
#include <string_view>
#include <unordered_map>

#include "automation/Object.h"

namespace qh {

// A class's members by name, for objects that answer invoke() themselves (the simulated
// host's objects and the add-in's own). Built once per class; lookups ignore case, as
// GetIDsOfNames does. A Get on a method, or a Call on a property, reaches the same function,
// as late-bound callers expect. For a Put the new value is args.back().
template <class T>
class DispatchTable {
 public:
  using Fn = Variant (*)(T& self, Args& args);

  DispatchTable& get(std::string_view name, Fn fn) {
    entry(name).get = fn;
    return *this;
  }
  DispatchTable& put(std::string_view name, Fn fn) {
    entry(name).put = fn;
    return *this;
  }
  DispatchTable& method(std::string_view name, Fn fn) {
    entry(name).get = fn;
    return *this;
  }

  bool has(std::string_view name) const { return entries_.count(key(name)) != 0; }

  // Raises Error(NotSupported) for a member the class does not have, or Error(NotSupported)
  // for a Put on a read-only property.
  Variant invoke(T& self, std::string_view name, CallKind kind, Args& args) const {
    auto it = entries_.find(key(name));
    if (it == entries_.end()) throw Error(ErrorCode::NotSupported);
    Fn fn = kind == CallKind::Put ? it->second.put : it->second.get;
    if (!fn) throw Error(ErrorCode::NotSupported);
    return fn(self, args);
  }

 private:
  struct Entry {
    Fn get = nullptr;
    Fn put = nullptr;
  };
  static std::string key(std::string_view name) {
    std::string k(name);
    for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
  }
  Entry& entry(std::string_view name) { return entries_[key(name)]; }

  std::unordered_map<std::string, Entry> entries_;
};

// The value being assigned in a Put.
inline const Variant& putValue(const Args& args) {
  if (args.empty()) throw Error(ErrorCode::ArgumentNotOptional);
  return args.back();
}

// An argument the member cannot do without.
inline const Variant& requiredArg(const Args& args, size_t i) {
  if (!argPresent(args, i)) throw Error(ErrorCode::ArgumentNotOptional);
  return args[i];
}

}  // namespace qh
