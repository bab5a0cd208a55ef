// Program-wide store.
//
// The store lives in anonymous memory of its own, far larger than any one run
// uses; only the pages a run touches are ever backed by memory. Its reset state
// is mostly zero: the reset zeroes the pages that earlier runs touched, or, when
// they are many, gives them back to the system (they come back zero-filled when
// next touched), and then writes the few byte runs whose reset value is not
// zero. Those runs are found once, by constructing the store and comparing it
// with zero, so a field added to any record is reset without code of its own.
#include "engine/store.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>
#include <vector>

namespace tarvex {

// The reset writes bytes, never runs a constructor or destructor: every record
// of the store must be plain data.
static_assert(std::is_trivially_destructible_v<Store> && std::is_trivially_copyable_v<Store>,
              "the store holds plain records only");

namespace {

// Bytes of zero between two non-zero bytes below which they form one run.
constexpr size_t kRunJoinGap = 32;
// Pages that the reset zeroes in place; beyond them it gives them all back.
// Zeroing a page costs far less than the fault that brings a given-back page
// back, but a large run should not leave every later run zeroing its pages.
constexpr size_t kPagesZeroedInPlace = 512;

// A stretch of the store whose reset value is not all zero.
struct DefaultRun {
    size_t offset;  // from the start of the store
    size_t length;  // bytes
};

struct StoreMemory {
    unsigned char* base = nullptr;         // start of the store
    size_t size = 0;                       // whole pages holding the store
    size_t page = 0;                       // bytes of a page
    std::vector<unsigned char> resident;   // per page: backed by memory (mincore)
    bool anonymous = false;                // pages can be given back
    std::vector<DefaultRun> runs;          // non-zero stretches of the reset state
    std::vector<unsigned char> defaults;   // their bytes, run after run
};

StoreMemory mem;

// Fallback when anonymous memory cannot be had: static storage reset by construction.
alignas(Store) unsigned char static_storage[sizeof(Store)];

// Records the non-zero stretches of a freshly constructed store.
void Record_Default_Runs() {
    const unsigned char* p = mem.base;
    const size_t n = sizeof(Store);
    size_t i = 0;
    while (i < n) {
        if (p[i] == 0) {  // zeros are passed a whole word at a time where they can be
            uint64_t word = 1;
            if (i % sizeof word == 0 && i + sizeof word <= n) std::memcpy(&word, p + i, sizeof word);
            i += word == 0 ? sizeof word : 1;
            continue;
        }
        const size_t start = i;
        size_t last = i;  // last non-zero byte of the run
        while (i < n && i - last <= kRunJoinGap) {
            if (p[i] != 0) last = i;
            ++i;
        }
        mem.runs.push_back({start, last + 1 - start});
        mem.defaults.insert(mem.defaults.end(), p + start, p + last + 1);
    }
}

// Writes the non-zero stretches of the reset state over zero-filled pages.
void Write_Default_Runs() {
    size_t at = 0;
    for (const DefaultRun& r : mem.runs) {
        std::memcpy(mem.base + r.offset, mem.defaults.data() + at, r.length);
        at += r.length;
    }
}

Store* Construct() {
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    mem.page = page;
    mem.size = (sizeof(Store) + page - 1) / page * page;
    mem.resident.resize(mem.size / page);
    void* p = mmap(nullptr, mem.size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) {
        mem.base = static_storage;
        return ::new (static_cast<void*>(static_storage)) Store();
    }
    // Small pages: a run pays for the 4 KiB it touches, not for 2 MiB around it.
    madvise(p, mem.size, MADV_NOHUGEPAGE);
    mem.base = static_cast<unsigned char*>(p);
    mem.anonymous = true;
    Store* s = ::new (p) Store();
    Record_Default_Runs();
    madvise(p, mem.size, MADV_DONTNEED);  // the construction touched every page
    Write_Default_Runs();
    return s;
}

// Zeroes the pages that are backed by memory, if they are few. False when the
// pages must be given back instead.
bool Zero_Resident_Pages() {
    if (mincore(mem.base, mem.size, mem.resident.data()) != 0) return false;
    size_t count = 0;
    for (unsigned char r : mem.resident) count += r & 1;
    if (count > kPagesZeroedInPlace) return false;
    const size_t pages = mem.resident.size();
    for (size_t i = 0; i < pages;) {
        if (!(mem.resident[i] & 1)) {
            ++i;
            continue;
        }
        const size_t first = i;
        while (i < pages && (mem.resident[i] & 1)) ++i;
        std::memset(mem.base + first * mem.page, 0, (i - first) * mem.page);
    }
    return true;
}

}  // namespace

Store& g = *Construct();

void Reset_Store() {
    if (!mem.anonymous) {
        ::new (static_cast<void*>(&g)) Store();
        return;
    }
    if (!Zero_Resident_Pages() && madvise(mem.base, mem.size, MADV_DONTNEED) != 0) {
        ::new (static_cast<void*>(&g)) Store();
        return;
    }
    Write_Default_Runs();
}

}  // namespace tarvex
