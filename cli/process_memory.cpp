// graphway's memory: while the document is read, every allocation of C++
// code, the JSON parser's included, is taken from address space backed by
// huge pages and given back only when the process ends. Reading a large
// graph fills tens of megabytes at once (the parser's index, the matrix);
// faulted in 4 KB at a time they cost more than the reading itself, a few
// hundred faults in huge pages do not. Once the reading is done the arena
// closes: later allocations come from malloc and are freed, and freeing
// what the arena gave does nothing. Left out of sanitized builds, which keep
// their own allocator.
#include "cli/process_memory.h"

#if !defined(__SANITIZE_ADDRESS__)

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <new>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Address space taken at a time; only what is touched gets memory.
constexpr std::size_t kReservation = std::size_t{1} << 30;

std::uintptr_t next = 0;
std::uintptr_t end = 0;
bool arenaOpen = true;

// The areas the arena reserved, so that freeing knows its own pointers.
struct Area {
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;
};
std::array<Area, 64> areas;
std::size_t areaCount = 0;

bool InArena(const void* pointer) {
    const auto address = reinterpret_cast<std::uintptr_t>(pointer);
    for (std::size_t k = 0; k < areaCount; ++k) {
        if (address >= areas[k].start && address < areas[k].end) return true;
    }
    return false;
}

std::uintptr_t AlignUp(std::uintptr_t address, std::size_t alignment) {
    return (address + alignment - 1) & ~(alignment - 1);
}

void* Take(std::size_t size, std::size_t alignment) noexcept {
    alignment = std::max(alignment, std::size_t{__STDCPP_DEFAULT_NEW_ALIGNMENT__});
    std::uintptr_t at = AlignUp(next, alignment);
    if (next == 0 || at > end || size > end - at) {
        // Just what is asked for when the address space is limited.
        const std::size_t least = size + alignment + kHugePage;
        std::size_t length = std::max(kReservation, least);
        void* area = MAP_FAILED;
        for (const std::size_t tried : {length, least}) {
            length = tried;
            area = mmap(nullptr, length, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
            if (area != MAP_FAILED) break;
        }
        if (area == MAP_FAILED) return nullptr;
        const auto start = reinterpret_cast<std::uintptr_t>(area);
        if (areaCount == areas.size()) {
            munmap(area, length);
            return nullptr;
        }
        areas[areaCount++] = {start, start + length};
        next = AlignUp(start, kHugePage);
        end = start + length;
        madvise(reinterpret_cast<void*>(next), end - next, MADV_HUGEPAGE);
        at = AlignUp(next, alignment);
    }
    next = at + std::max(size, std::size_t{1});
    return reinterpret_cast<void*>(at);
}

// From the arena while it is open, else from malloc.
void* Allocate(std::size_t size, std::size_t alignment) noexcept {
    if (arenaOpen) return Take(size, alignment);
    size = std::max(size, std::size_t{1});
    if (alignment <= __STDCPP_DEFAULT_NEW_ALIGNMENT__) return std::malloc(size);
    void* pointer = nullptr;
    return posix_memalign(&pointer, alignment, size) == 0 ? pointer : nullptr;
}

void Free(void* pointer) noexcept {
    if (pointer != nullptr && !InArena(pointer)) std::free(pointer);
}

void* TakeOrThrow(std::size_t size, std::size_t alignment) {
    if (void* taken = Allocate(size, alignment)) return taken;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return TakeOrThrow(size, 0); }
void* operator new[](std::size_t size) { return TakeOrThrow(size, 0); }
void* operator new(std::size_t size, std::align_val_t alignment) {
    return TakeOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return TakeOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, 0); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, 0); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return Allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return Allocate(size, static_cast<std::size_t>(alignment));
}

void operator delete(void* pointer) noexcept { Free(pointer); }
void operator delete[](void* pointer) noexcept { Free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Free(pointer); }
void operator delete(void* pointer, std::align_val_t) noexcept { Free(pointer); }
void operator delete[](void* pointer, std::align_val_t) noexcept { Free(pointer); }
void operator delete(void* pointer, std::size_t, std::align_val_t) noexcept { Free(pointer); }
void operator delete[](void* pointer, std::size_t, std::align_val_t) noexcept { Free(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Free(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Free(pointer); }
void operator delete(void* pointer, std::align_val_t, const std::nothrow_t&) noexcept { Free(pointer); }
void operator delete[](void* pointer, std::align_val_t, const std::nothrow_t&) noexcept { Free(pointer); }

void cli::CloseReadingArena() noexcept { arenaOpen = false; }

#else

void cli::CloseReadingArena() noexcept {}

#endif
