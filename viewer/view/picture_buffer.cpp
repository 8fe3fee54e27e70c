#include "picture_buffer.h"
#include <cstdint>

namespace {

constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;

bool FitsIn32Bits(const void* block, size_t bytes)
{
    const std::uint64_t start = reinterpret_cast<std::uintptr_t>(block);
    return start < k4GiB && bytes <= k4GiB - start;
}

// Reserves and commits `bytes` in the first free region below 4 GiB that
// holds them (only needed where the address space reaches above it).
void* AllocateBelow4GiB(size_t bytes)
{
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    const std::uint64_t granularity = info.dwAllocationGranularity;
    std::uint64_t at = granularity;
    MEMORY_BASIC_INFORMATION region{};
    while (at < k4GiB && VirtualQuery(reinterpret_cast<void*>(static_cast<std::uintptr_t>(at)), &region,
                                      sizeof region) == sizeof region) {
        const std::uint64_t base = reinterpret_cast<std::uintptr_t>(region.BaseAddress);
        const std::uint64_t end = base + region.RegionSize;
        if (region.State == MEM_FREE) {
            const std::uint64_t start = (base + granularity - 1) / granularity * granularity;
            if (start < end && end - start >= bytes && start + bytes <= k4GiB) {
                if (void* block = VirtualAlloc(reinterpret_cast<void*>(static_cast<std::uintptr_t>(start)), bytes,
                                               MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE))
                    return block;
            }
        }
        if (end <= at)
            break;
        at = end;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<CPictureBuffer> CPictureBuffer::Allocate(int width, int height)
{
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return nullptr;
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4 + sizeof(BITMAPINFOHEADER);
    void* block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
    if (block && FitsIn32Bits(block, bytes))
        return std::unique_ptr<CPictureBuffer>(new CPictureBuffer(block, true, width, height));
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
    block = AllocateBelow4GiB(bytes);
    if (!block)
        return nullptr;
    return std::unique_ptr<CPictureBuffer>(new CPictureBuffer(block, false, width, height));
}

CPictureBuffer::~CPictureBuffer()
{
    if (fromHeap_)
        HeapFree(GetProcessHeap(), 0, block_);
    else
        VirtualFree(block_, 0, MEM_RELEASE);
}

void CPictureBuffer::FillHeader()
{
    BITMAPINFOHEADER* h = Header();
    *h = BITMAPINFOHEADER{};
    h->biSize = sizeof(BITMAPINFOHEADER);
    h->biWidth = width_;
    h->biHeight = height_;
    h->biPlanes = 1;
    h->biBitCount = 24;
}
