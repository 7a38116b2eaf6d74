#pragma once
// Some library code (Qt's, once its application object exists) leaves the upper halves of the
// processor's 256-bit vector registers in use. On many Intel processors every later 128-bit
// instruction then pays for a state transition, and a call of sin becomes twenty times
// slower. Clearing the upper halves before a long run of arithmetic avoids that; it costs a
// cycle and changes no value.

namespace quorvel {

inline void clearUpperVectorState() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  if (__builtin_cpu_supports("avx")) __asm__ volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace quorvel
