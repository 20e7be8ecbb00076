// Handles of outside objects (windows, memory blocks, modules, interface
// pointers) travel through scripts as plain 32-bit ints.  The Windows
// programs are 32-bit, so a pointer fits an int exactly; one above 2 GB
// reads as a negative int and converts back unchanged.  Go through these
// two functions instead of casting by hand.
#pragma once
#include <cstdint>

#if defined(_WIN32)
static_assert(sizeof(void*) == 4, "the Windows programs are 32-bit: script ints carry pointers");
#if !defined(__SSE2_MATH__)
#error "build with -msse2 -mfpmath=sse: double results must equal the native build's"
#endif
#endif

namespace quorin {

template <class T>
inline int32_t handle_to_int(T* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)));
}

template <class T>
inline T* int_to_handle(int32_t v) {
  return reinterpret_cast<T*>(static_cast<uintptr_t>(static_cast<uint32_t>(v)));
}

}  // namespace quorin
