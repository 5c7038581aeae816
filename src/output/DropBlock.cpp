#include "output/DropBlock.h"

#include <algorithm>

namespace {

constexpr uint32_t kHeaderSize = 20;

void PutLittleEndian32(std::vector<uint8_t>& block, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A zero-filled block of `size` bytes with its header; the client-coordinates
// flag stays 0.
std::vector<uint8_t> BlockWithHeader(size_t size, bool wide)
{
    std::vector<uint8_t> block(size, 0);
    PutLittleEndian32(block, 0, kHeaderSize);
    PutLittleEndian32(block, 4, kDropPointX);
    PutLittleEndian32(block, 8, kDropPointY);
    PutLittleEndian32(block, 16, wide ? 1 : 0);
    return block;
}

}  // namespace

std::vector<uint8_t> MakeDropBlock(const std::vector<std::string>& paths)
{
    size_t size = kHeaderSize + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;
    std::vector<uint8_t> block = BlockWithHeader(size, false);
    size_t at = kHeaderSize;
    for (const std::string& path : paths) {
        std::copy(path.begin(), path.end(), block.begin() + at);
        at += path.size() + 1;
    }
    return block;
}

std::vector<uint8_t> MakeWideDropBlock(const std::vector<std::u16string>& paths)
{
    size_t size = kHeaderSize + 2;
    for (const std::u16string& path : paths)
        size += 2 * (path.size() + 1);
    std::vector<uint8_t> block = BlockWithHeader(size, true);
    size_t at = kHeaderSize;
    for (const std::u16string& path : paths) {
        for (const char16_t unit : path) {
            block[at++] = static_cast<uint8_t>(unit & 0xFF);
            block[at++] = static_cast<uint8_t>(unit >> 8);
        }
        at += 2;
    }
    return block;
}

DropTarget ChooseDropTarget(int child, bool externalMem)
{
    if (child == 0)
        return DropTarget::kWindow;
    if (child == 2 && !externalMem)
        return DropTarget::kFirstChildsNext;
    return DropTarget::kFirstChild;
}
