#include "output/DropBlock.h"

#include <algorithm>

namespace {

constexpr uint32_t kHeaderSize = 20;

void PutLittleEndian32(std::vector<uint8_t>& block, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<uint8_t> MakeDropBlock(const std::vector<std::string>& paths)
{
    size_t size = kHeaderSize + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;

    std::vector<uint8_t> block(size, 0);
    PutLittleEndian32(block, 0, kHeaderSize);
    PutLittleEndian32(block, 4, kDropPointX);
    PutLittleEndian32(block, 8, kDropPointY);
    // The client-coordinates and wide-names flags stay 0.
    size_t at = kHeaderSize;
    for (const std::string& path : paths) {
        std::copy(path.begin(), path.end(), block.begin() + at);
        at += path.size() + 1;
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
