#include "bench/alloc_counter.h"

#include <link.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <new>

// glibc's own allocator entry points; the replacements below forward to them,
// so memory from any of them may be freed by any other.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<bool> counting{false};
std::atomic<long> totalCount{0};
std::atomic<long> executableCount{0};
std::uintptr_t executableBegin = 0;
std::uintptr_t executableEnd = 0;

// Runs inside every allocation, so it must not allocate itself.
inline void note(void* caller) {
  if (!counting.load(std::memory_order_relaxed)) return;
  totalCount.fetch_add(1, std::memory_order_relaxed);
  const auto address = reinterpret_cast<std::uintptr_t>(caller);
  if (address >= executableBegin && address < executableEnd) {
    executableCount.fetch_add(1, std::memory_order_relaxed);
  }
}

// dl_iterate_phdr reports the main program first: its executable segments
// bound the code linked into this binary.
int findExecutableText(dl_phdr_info* info, std::size_t, void*) {
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD || (segment.p_flags & PF_X) == 0) continue;
    const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
    const std::uintptr_t end = begin + segment.p_memsz;
    if (executableBegin == 0 || begin < executableBegin) executableBegin = begin;
    if (end > executableEnd) executableEnd = end;
  }
  return 1;
}

void* allocateOrThrow(std::size_t size) {
  void* pointer = __libc_malloc(size == 0 ? 1 : size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

void* allocateAlignedOrThrow(std::size_t size, std::align_val_t alignment) {
  void* pointer = __libc_memalign(static_cast<std::size_t>(alignment), size == 0 ? 1 : size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

}  // namespace

namespace bench {

void startCountingAllocations() {
  if (executableEnd == 0) dl_iterate_phdr(findExecutableText, nullptr);
  totalCount = 0;
  executableCount = 0;
  counting = true;
}

AllocationCount stopCountingAllocations() {
  counting = false;
  AllocationCount count;
  count.total = totalCount;
  count.executable = executableCount;
  count.libraries = count.total - count.executable;
  return count;
}

}  // namespace bench

// The C allocator. noexcept matches glibc's own declarations.
extern "C" void* malloc(std::size_t size) noexcept {
  note(__builtin_return_address(0));
  return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
  note(__builtin_return_address(0));
  return __libc_calloc(count, size);
}

extern "C" void* realloc(void* pointer, std::size_t size) noexcept {
  note(__builtin_return_address(0));
  return __libc_realloc(pointer, size);
}

extern "C" void free(void* pointer) noexcept { __libc_free(pointer); }

extern "C" void* memalign(std::size_t alignment, std::size_t size) noexcept {
  note(__builtin_return_address(0));
  return __libc_memalign(alignment, size);
}

extern "C" void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  note(__builtin_return_address(0));
  return __libc_memalign(alignment, size);
}

extern "C" void* valloc(std::size_t size) noexcept {
  note(__builtin_return_address(0));
  return __libc_memalign(static_cast<std::size_t>(sysconf(_SC_PAGESIZE)), size);
}

extern "C" int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept {
  note(__builtin_return_address(0));
  if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
  void* pointer = __libc_memalign(alignment, size);
  if (pointer == nullptr) return ENOMEM;
  *out = pointer;
  return 0;
}

// The C++ allocator. The matching operator delete forms are the runtime's
// own, which end in free.
void* operator new(std::size_t size) {
  note(__builtin_return_address(0));
  return allocateOrThrow(size);
}

void* operator new[](std::size_t size) {
  note(__builtin_return_address(0));
  return allocateOrThrow(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  note(__builtin_return_address(0));
  return __libc_malloc(size == 0 ? 1 : size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  note(__builtin_return_address(0));
  return __libc_malloc(size == 0 ? 1 : size);
}

void* operator new(std::size_t size, std::align_val_t alignment) {
  note(__builtin_return_address(0));
  return allocateAlignedOrThrow(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment) {
  note(__builtin_return_address(0));
  return allocateAlignedOrThrow(size, alignment);
}
