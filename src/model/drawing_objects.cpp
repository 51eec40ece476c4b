#include "model/drawing_objects.h"

#include "model/shared_state.h"

namespace {

// Free blocks by size in steps of 8 bytes; the drawing objects are all well under the largest.
constexpr std::size_t SizeStep = 8;
constexpr std::size_t PooledSizes = 64;

struct FreeBlock {
    FreeBlock* next;
};

FreeBlock*& FreeList(std::size_t slot) {
    static FreeBlock* lists[PooledSizes] = {};
    return lists[slot];
}

// Under the address sanitizer every object goes back to the allocator, so that a use after the list
// let it go is caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Pooling = false;
#else
constexpr bool Pooling = true;
#endif

std::size_t SlotOf(std::size_t size) {
    return Pooling ? (size + SizeStep - 1) / SizeStep : PooledSizes;
}

} // namespace

void* TObject::operator new(std::size_t size) {
    std::size_t slot = SlotOf(size);
    if (slot >= PooledSizes) return ::operator new(size);
    if (FreeBlock* block = FreeList(slot)) {
        FreeList(slot) = block->next;
        // The next block of this size is taken a few objects later, its link read first: fetching it
        // now spares the read of a large drawing a wait on memory per object.
        __builtin_prefetch(block->next, 1);
        return block;
    }
    return ::operator new(slot* SizeStep);
}

void TObject::operator delete(void* memory, std::size_t size) noexcept {
    if (!memory) return;
    std::size_t slot = SlotOf(size);
    if (slot >= PooledSizes) {
        ::operator delete(memory);
        return;
    }
    auto* block = static_cast<FreeBlock*>(memory);
    block->next = FreeList(slot);
    FreeList(slot) = block;
}

TObject::TObject() : colour(static_cast<int>(Shared.DrawingColour)) {}
