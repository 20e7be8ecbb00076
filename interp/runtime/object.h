// Reference-counted heap objects: Bmp images, ArrayList, LinkedList, HashMap
// and Iterator.  Counting is intrusive; the registry of the runtime context
// only keeps the number of live objects so that tests can prove nothing leaks.
#pragma once
#include <cstdint>

#include "frontend/types.h"

namespace quorin {

class ObjectRegistry;

struct Object {
  explicit Object(TypeCode t) : type(t) {}
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  uint32_t rc = 0;  // holders: variables, containers and live temporaries
  TypeCode type;
  ObjectRegistry* registry = nullptr;
};

// Counts the live objects of one run.  Objects are created through `adopt`
// and freed by `release` when their last holder lets go.
class ObjectRegistry {
 public:
  template <class T>
  T* adopt(T* o) {
    o->registry = this;
    ++live_;
    return o;
  }
  void forget(Object*) { --live_; }
  int64_t live() const { return live_; }

 private:
  int64_t live_ = 0;
};

inline void obj_retain(Object* o) {
  if (o) ++o->rc;
}
// Lets go of one hold; frees the object when it was the last one.
inline void obj_release(Object* o) {
  if (o && --o->rc == 0) {
    if (o->registry) o->registry->forget(o);
    delete o;
  }
}

}  // namespace quorin

namespace quorin {
// Creates an object holding one reference for the caller.
template <class T, class... A>
T* obj_new(ObjectRegistry& reg, A&&... args) {
  T* o = reg.adopt(new T(static_cast<A&&>(args)...));
  o->rc = 1;
  return o;
}
}  // namespace quorin
