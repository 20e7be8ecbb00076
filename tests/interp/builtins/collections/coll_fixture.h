// Test scaffolding for the collection builtins: a run context with a
// recording UI, constant operands for generic arguments, and collection
// values standing in for script variables.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "builtins/collections/access.h"
#include "builtins/collections/builtins.h"
#include "builtins/collections/objects.h"
#include "runtime/runtime.h"

namespace quorin::testing {

class RecordingUi : public UiPort {
 public:
  void show_runtime_error(std::u16string_view text) override { errors.emplace_back(text); }
  void alert(std::u16string_view text) override { alerts.emplace_back(text); }
  void console_write(std::u16string_view piece, bool) override { console += piece; }
  void console_clear() override { console.clear(); }
  void stdout_write(std::u16string_view text, bool) override { out += text; }
  std::vector<std::u16string> errors, alerts;
  std::u16string console, out;
};

// Stands in for a Bmp image: the collections only count and compare it.
struct FakeBmp : Object {
  FakeBmp() : Object(tc::Bmp) {}
};

class CollFixture : public ::testing::Test {
 protected:
  ~CollFixture() override {
    for (Operand& op : ops_) {
      if (op.type == tc::String) str_release(op.k.str);
      if (op.type == tc::Bmp) obj_release(op.k.obj);
    }
    for (Value& v : held_) obj_release(v.v.obj);
  }
  void TearDown() override {
    // Everything a test made must be gone once its own holds are released.
    for (Value& v : held_) obj_release(std::exchange(v.v.obj, nullptr));
    for (Operand& op : ops_)
      if (op.type == tc::Bmp) obj_release(std::exchange(op.k.obj, nullptr));
    EXPECT_EQ(rt.objects.live(), 0);
  }

  // A collection variable named `name`; the fixture holds its reference.
  Value* make(TypeCode type, uint16_t elem, uint16_t key = 0, uint16_t val = 0) {
    Value v;
    v.type = type;
    v.elem = elem;
    v.key = key;
    v.val = val;
    v.v.obj = collection_new(rt.objects, type, elem, key, val);
    held_.push_back(v);
    return &held_.back();
  }
  ListArg alist(TypeCode elem, std::u16string_view name = u"a") { return {make(tc::ArrayList, elem), name}; }
  LinkedArg llist(TypeCode elem, std::u16string_view name = u"l") { return {make(tc::LinkedList, elem), name}; }
  MapArg map(TypeCode key, TypeCode val, std::u16string_view name = u"m") {
    return {make(tc::HashMap, 0, key, val), name};
  }
  // Keeps an object result (an iterator) alive until the end of the test.
  IterArg hold(ObjResult<tc::Iterator> r, std::u16string_view name = u"it") {
    Value v;
    v.type = tc::Iterator;
    v.v.obj = r.obj;
    held_.push_back(v);
    return {&held_.back(), name};
  }

  // Generic arguments: constant operands of the given type.
  template <TypeCode Code = tc::GenericT>
  GenericArg<Code> arg(TypeCode type, Payload k) {
    Operand& op = ops_.emplace_back();
    op.type = type;
    op.k = k;
    op.eval = [](Runtime&, const Operand& o) {
      if (o.type == tc::String) str_retain(o.k.str);
      if (o.type == tc::Bmp) obj_retain(o.k.obj);
      return o.k;
    };
    return {&op};
  }
  template <TypeCode Code = tc::GenericT>
  GenericArg<Code> int_arg(int32_t v) {
    return arg<Code>(tc::Int, make_int(v));
  }
  template <TypeCode Code = tc::GenericT>
  GenericArg<Code> dbl_arg(double v) {
    return arg<Code>(tc::Double, make_double(v));
  }
  template <TypeCode Code = tc::GenericT>
  GenericArg<Code> flt_arg(float v) {
    return arg<Code>(tc::Float, make_float(v));
  }
  template <TypeCode Code = tc::GenericT>
  GenericArg<Code> str_arg(std::u16string_view v) {
    return arg<Code>(tc::String, make_str(str_new(v)));
  }
  // The operand keeps a hold of its own on the image.
  template <TypeCode Code = tc::GenericT>
  GenericArg<Code> bmp_arg(Object* b) {
    obj_retain(b);
    return arg<Code>(tc::Bmp, make_obj(b));
  }

  // Runs `f`, expecting it to end the run with exactly this message.
  template <class F>
  void expect_error(F&& f, std::u16string_view text) {
    ui.errors.clear();
    EXPECT_THROW(f(), ScriptExit);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], std::u16string(text));
  }

  Program program;
  RecordingUi ui;
  Runtime rt{program, ui};

 private:
  std::deque<Operand> ops_;
  std::deque<Value> held_;
};

// Reading generic results (and dropping the references they carry).
inline int32_t as_int(Value v) {
  EXPECT_TRUE(is_int_class(v.type));
  return v.v.i;
}
inline double as_double(Value v) {
  EXPECT_EQ(v.type, tc::Double);
  return v.v.d;
}
inline std::u16string as_str(Value v) {
  EXPECT_EQ(v.type, tc::String);
  Str s = Str::adopt(v.v.str);
  return s.str();
}

}  // namespace quorin::testing
