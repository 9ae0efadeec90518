#pragma once

#include <cstddef>
#include <functional>
#include <optional>
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

  // Raises Error(NotSupported) for a member the class does not have, or Error(NotSupported)
  // for a Put on a read-only property.
  Variant invoke(T& self, std::string_view name, CallKind kind, Args& args) const {
    const Entry* e = find(name);
    if (!e) throw Error(ErrorCode::NotSupported);
    return call(*e, self, kind, args);
  }

  // As invoke, but answers nullopt instead of raising when the class has no such member, for
  // objects that look further (their own properties, a base class's members).
  std::optional<Variant> tryInvoke(T& self, std::string_view name, CallKind kind,
                                   Args& args) const {
    const Entry* e = find(name);
    if (!e) return std::nullopt;
    return call(*e, self, kind, args);
  }

 private:
  struct Entry {
    Fn get = nullptr;
    Fn put = nullptr;
  };
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view k) const noexcept {
      return std::hash<std::string_view>{}(k);
    }
  };
  static Variant call(const Entry& e, T& self, CallKind kind, Args& args) {
    Fn fn = kind == CallKind::Put ? e.put : e.get;
    if (!fn) throw Error(ErrorCode::NotSupported);
    return fn(self, args);
  }
  static char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
  // Every late-bound call looks a name up, so the usual short name is folded on the stack.
  const Entry* find(std::string_view name) const {
    char buffer[64];
    std::string longName;
    std::string_view key;
    if (name.size() <= sizeof buffer) {
      for (std::size_t i = 0; i < name.size(); ++i) buffer[i] = fold(name[i]);
      key = std::string_view(buffer, name.size());
    } else {
      longName.assign(name);
      for (char& c : longName) c = fold(c);
      key = longName;
    }
    const auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
  }
  Entry& entry(std::string_view name) {
    std::string k(name);
    for (char& c : k) c = fold(c);
    return entries_[std::move(k)];
  }

  std::unordered_map<std::string, Entry, KeyHash, std::equal_to<>> entries_;
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
