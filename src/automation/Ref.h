#pragma once

#include <cstddef>
#include <utility>

namespace qh {

class Object;
// Defined with Object; declared here so that Ref<Object> works where Object is incomplete.
void intrusiveAddRef(const Object* object) noexcept;
void intrusiveRelease(const Object* object) noexcept;

// A counted reference to an automation object, in the spirit of a COM smart pointer: copying
// adds a reference, destruction or reset releases it, and the object ends at once when its
// last reference goes. Emptying a Ref is how the add-in "releases" an object.
template <class T>
class Ref {
 public:
  Ref() noexcept = default;
  Ref(std::nullptr_t) noexcept {}
  Ref(T* p) noexcept : p_(p) { add(); }
  Ref(const Ref& other) noexcept : p_(other.p_) { add(); }
  Ref(Ref&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  template <class U>
  Ref(const Ref<U>& other) noexcept : p_(other.get()) {
    add();
  }
  template <class U>
  Ref(Ref<U>&& other) noexcept : p_(other.detach()) {}
  ~Ref() { drop(); }

  Ref& operator=(const Ref& other) noexcept {
    Ref(other).swap(*this);
    return *this;
  }
  Ref& operator=(Ref&& other) noexcept {
    Ref(std::move(other)).swap(*this);
    return *this;
  }
  Ref& operator=(std::nullptr_t) noexcept {
    reset();
    return *this;
  }

  // Releases the reference. The member is empty before the object's destructor runs, so a
  // destructor that reaches back through this Ref finds it empty, as in COM.
  void reset() noexcept { Ref().swap(*this); }
  void swap(Ref& other) noexcept { std::swap(p_, other.p_); }
  T* detach() noexcept { return std::exchange(p_, nullptr); }

  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  T& operator*() const noexcept { return *p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.p_ == b.p_; }

 private:
  void add() const noexcept {
    if (p_) intrusiveAddRef(p_);
  }
  void drop() noexcept {
    if (T* p = std::exchange(p_, nullptr)) intrusiveRelease(p);
  }

  T* p_ = nullptr;
};

template <class T, class... A>
Ref<T> makeRef(A&&... args) {
  return Ref<T>(new T(std::forward<A>(args)...));
}

}  // namespace qh
