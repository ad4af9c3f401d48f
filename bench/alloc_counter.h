#ifndef BENCH_ALLOC_COUNTER_H_
#define BENCH_ALLOC_COUNTER_H_

// Counts heap allocations in the bench process. The bench binary replaces
// malloc, calloc, realloc, the aligned allocators and every operator new with
// thin wrappers around glibc's allocator, so every library in the process
// (freeglut, Mesa, the panel toolkit, the C++ runtime) is counted too.
//
// Each counted allocation is attributed by its immediate caller: code linked
// into this executable (the viewer's own libraries, the panel toolkit and the
// bench itself) or a shared library (the C and C++ runtimes, GL, GLU, GLUT,
// the Mesa driver and its threads).

#include <cstddef>

namespace bench {

struct AllocationCount {
  long total = 0;       // every allocation, any thread
  long executable = 0;  // called from code inside this executable
  long libraries = 0;   // called from a shared library
};

// Starts a counting window; counts from any earlier window are discarded.
void startCountingAllocations();

// Ends the window and returns what it saw.
AllocationCount stopCountingAllocations();

}  // namespace bench

#endif  // BENCH_ALLOC_COUNTER_H_
