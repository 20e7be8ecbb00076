// Calls of DLL entry points through function-pointer variables (32-bit x86).
//
// The arguments are laid out as the stack words both __cdecl and __stdcall
// expect (right to left in memory order: the first argument at the lowest
// address; long and double take two words, low word first), and a small
// thunk copies them onto a fresh stack area, calls the entry point and then
// restores the stack pointer from its frame pointer.  Whatever the callee
// removed from the stack (nothing for __cdecl, its arguments for __stdcall,
// a wrong number when the script declared another parameter list), the
// interpreter's own stack comes back intact.  The thunk also restores the
// x87 stack depth, the x87 control word and MXCSR, which foreign code may
// leave changed.
//
// What the entry point receives:
//   byte, char, short, int   one word (zero- or sign-extended as the value)
//   long, double             two words;  float: one word of its bits
//   string                   a pointer to a private zero-terminated UTF-16 copy
//   T* (by reference)        the address of the variable or array element, in
//                            the variable's own width; a whole array passes
//                            its element storage (a plain C array)
//   string* (by reference)   a writable UTF-16 buffer holding the current text,
//                            at least kOutChars characters; the text up to the
//                            first zero becomes the variable's new value.  A
//                            whole string array passes an array of such
//                            buffers (kOutElementChars each).
//   T*! (int variable)       the address that the int variable holds
// Results come back in EAX (byte, char, short, int, string as a pointer to a
// zero-terminated UTF-16 text, which is copied), EDX:EAX (long) or ST(0)
// (float, double).
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>

#include "builtins/system/dll_modules.h"
#include "runtime/bmp_object.h"
#include "runtime/native.h"
#include "runtime/routines.h"
#include "runtime/storage.h"

// Frame: [ebp-4] ebx, [ebp-8] esi, [ebp-12] edi, [ebp-16] x87 control word,
// [ebp-20] MXCSR, [ebp-24] x87 stack top before the call.
extern "C" __attribute__((naked, noinline)) void quorin_dll_thunk(const void* fn, const uint32_t* words,
                                                                  uint32_t count, uint32_t* out,
                                                                  int32_t float_result) {
  asm volatile(R"(
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    subl $12, %esp
    fnstcw -16(%ebp)
    stmxcsr -20(%ebp)
    fnstsw %ax
    shrl $11, %eax
    andl $7, %eax
    movl %eax, -24(%ebp)
    movl 16(%ebp), %ecx
    movl 12(%ebp), %esi
    leal 0(,%ecx,4), %eax
    subl %eax, %esp
    andl $-16, %esp
    movl %esp, %edi
    cld
    rep movsl
    call *8(%ebp)
    cld
    movl 20(%ebp), %ecx
    movl %eax, (%ecx)
    movl %edx, 4(%ecx)
    cmpl $0, 24(%ebp)
    je 1f
    fstpl 8(%ecx)
1:
    fnstsw %ax
    shrl $11, %eax
    andl $7, %eax
    cmpl -24(%ebp), %eax
    je 2f
    fstp %st(0)
    jmp 1b
2:
    fnclex
    fldcw -16(%ebp)
    ldmxcsr -20(%ebp)
    leal -12(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");
}

namespace quorin::sys {

namespace {

constexpr size_t kOutChars = 32768;
constexpr size_t kOutElementChars = 1024;

struct OutText {
  StrRep** target;
  std::vector<char16_t> buffer;
};

struct CallFrame {
  std::vector<uint32_t> words;
  std::deque<std::u16string> texts;
  std::deque<OutText> outs;
  std::deque<std::vector<uint32_t>> tables;

  void push(uint32_t w) { words.push_back(w); }
  void push_pointer(const void* p) { push(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p))); }
  void push64(uint64_t v) {
    push(static_cast<uint32_t>(v));
    push(static_cast<uint32_t>(v >> 32));
  }

  // A writable copy of the text at `target`, written back after the call.
  char16_t* out_text(StrRep** target, size_t room) {
    std::u16string_view current = *target ? str_view(*target) : std::u16string_view();
    OutText& o = outs.emplace_back();
    o.target = target;
    o.buffer.assign(std::max(current.size() + 1, room), u'\0');
    std::copy(current.begin(), current.end(), o.buffer.begin());
    return o.buffer.data();
  }

  void write_back() {
    for (OutText& o : outs) {
      auto end = std::find(o.buffer.begin(), o.buffer.end(), u'\0');
      Payload p;
      p.bits = 0;
      p.str = str_new(std::u16string_view(o.buffer.data(), static_cast<size_t>(end - o.buffer.begin())));
      store<tc::String>(o.target, p);
    }
  }
};

void push_by_reference(Runtime& rt, CallFrame& f, const Operand& op, TypeCode base) {
  void* addr = native::storage_address(rt, op, nullptr);
  if (op.var->whole_array()) {
    ArrayObj* a = static_cast<Payload*>(addr)->arr;
    if (!a || !a->data) {
      f.push(0);
    } else if (base == tc::String) {
      StrRep** elements = static_cast<StrRep**>(a->data);
      std::vector<uint32_t>& table = f.tables.emplace_back(a->count);
      for (size_t k = 0; k < a->count; ++k)
        table[k] = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(f.out_text(&elements[k], kOutElementChars)));
      f.push_pointer(table.data());
    } else {
      f.push_pointer(a->data);
    }
  } else if (base == tc::String) {
    f.push_pointer(f.out_text(static_cast<StrRep**>(addr), kOutChars));
  } else {
    f.push_pointer(addr);
  }
}

}  // namespace

Payload invoke_dll_function(Runtime& rt, const CallRecord& c) {
  FuncTarget* target = function_pointer_target(rt, c);
  const BuiltinEntry& sig = *c.pointer->signature;
  CallFrame f;
  f.words.reserve(2 * c.args.size());
  for (size_t i = 0; i < c.args.size(); ++i) {
    const Operand& op = *c.args[i];
    const TypeCode code = sig.args[i];
    if (is_int_class(code)) {
      f.push(static_cast<uint32_t>(op.eval(rt, op).i));
    } else if (code == tc::Long) {
      f.push64(static_cast<uint64_t>(op.eval(rt, op).l));
    } else if (code == tc::Float) {
      float v = op.eval(rt, op).f;
      uint32_t w;
      std::memcpy(&w, &v, 4);
      f.push(w);
    } else if (code == tc::Double) {
      double v = op.eval(rt, op).d;
      uint64_t w;
      std::memcpy(&w, &v, 8);
      f.push64(w);
    } else if (code == tc::String) {
      Str s = Str::adopt(op.eval(rt, op).str);
      f.push_pointer(f.texts.emplace_back(s.view()).c_str());
    } else if (is_by_ref(code)) {
      push_by_reference(rt, f, op, code - tc::RefBase);
    } else if (is_int_var_param(code)) {
      f.push(static_cast<uint32_t>(*static_cast<int32_t*>(native::storage_address(rt, op, nullptr))));
    } else {
      f.push(0);
    }
  }

  uint32_t out[4] = {0, 0, 0, 0};
  const bool float_result = c.ret == tc::Float || c.ret == tc::Double;
  quorin_dll_thunk(target->native, f.words.data(), static_cast<uint32_t>(f.words.size()), out, float_result);
  f.write_back();

  Payload r;
  r.bits = 0;
  double d = 0;
  std::memcpy(&d, out + 2, 8);
  switch (c.ret) {
    case tc::Byte:
      r.i = static_cast<int32_t>(out[0] & 0xFF);
      break;
    case tc::Char:
      r.i = static_cast<int32_t>(out[0] & 0xFFFF);
      break;
    case tc::Short:
      r.i = static_cast<int16_t>(out[0] & 0xFFFF);
      break;
    case tc::Int:
      r.i = static_cast<int32_t>(out[0]);
      break;
    case tc::Long:
      r.l = static_cast<int64_t>(static_cast<uint64_t>(out[1]) << 32 | out[0]);
      break;
    case tc::Float:
      r.f = static_cast<float>(d);
      break;
    case tc::Double:
      r.d = d;
      break;
    case tc::String: {
      const char16_t* text = reinterpret_cast<const char16_t*>(static_cast<uintptr_t>(out[0]));
      r.str = text ? str_new(text) : str_empty();
      break;
    }
    case tc::Bmp:
      r.obj = bmp_new_empty(rt.objects);  // a DLL's pointer is no image
      break;
    default:
      break;
  }
  return r;
}

}  // namespace quorin::sys
