#pragma once

#include <memory>
#include <type_traits>

#include "automation/Object.h"

namespace qh::sim::outlook {

// Parents own their children here (the application its windows, a folder its items); a child
// reaches its parent through a WeakLink, which goes empty when the parent ends. So no cycle of
// counted references can form, and a child outliving its parent (an item the add-in still
// holds after the host is gone) finds no parent instead of a dangling one.
//
// An object that can be linked to holds an Anchor, declared as its last member so that it
// lets go before the object's other members end.
class Anchor {
 public:
  explicit Anchor(Object& self) : cell_(std::make_shared<Object*>(&self)) {}
  Anchor(const Anchor&) = delete;
  Anchor& operator=(const Anchor&) = delete;
  ~Anchor() { *cell_ = nullptr; }

  std::weak_ptr<Object*> cell() const { return cell_; }

 private:
  std::shared_ptr<Object*> cell_;
};

template <class T>
class WeakLink {
 public:
  WeakLink() = default;
  // target must hold an Anchor reachable as target.anchor().
  template <class U, class = std::enable_if_t<std::is_base_of_v<T, U>>>
  explicit WeakLink(const U& target) : cell_(target.anchor().cell()) {}

  // The linked object, or null once it has ended.
  T* get() const {
    const std::shared_ptr<Object*> cell = cell_.lock();
    return cell && *cell ? static_cast<T*>(*cell) : nullptr;
  }
  Ref<T> lock() const { return Ref<T>(get()); }
  explicit operator bool() const { return get() != nullptr; }

 private:
  std::weak_ptr<Object*> cell_;
};

}  // namespace qh::sim::outlook
