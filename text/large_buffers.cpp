// Large buffers are backed by transparent huge pages. A command on a 100 MB
// text writes a fresh result buffer, and the first touch of each 4 KiB page is
// a page fault: 2 MiB pages make that 512 times fewer faults. Linked into the
// programs only; small allocations go to malloc as usual.
#include <sys/mman.h>  // madvise

#include <cstdlib>  // aligned_alloc, malloc
#include <new>      // bad_alloc, get_new_handler

namespace {

constexpr std::size_t huge_page = std::size_t{2} << 20;
constexpr std::size_t large = 4 * huge_page;

void* allocate(std::size_t size) {
  if (size < large) return std::malloc(size ? size : 1);
  const std::size_t rounded = (size + huge_page - 1) / huge_page * huge_page;
  void* p = std::aligned_alloc(huge_page, rounded);
#ifdef MADV_HUGEPAGE
  if (p) madvise(p, rounded, MADV_HUGEPAGE);  // only advice: failing is harmless
#endif
  return p;
}

void* allocate_or_handle(std::size_t size) {
  for (;;) {
    if (void* p = allocate(size)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}

}  // namespace

void* operator new(std::size_t size) {
  return allocate_or_handle(size);
}
void* operator new[](std::size_t size) {
  return allocate_or_handle(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
