#include "output/DropBlock.h"

#include <gtest/gtest.h>

namespace {

uint32_t ReadLittleEndian32(const std::vector<uint8_t>& block, size_t offset)
{
    return block[offset] | block[offset + 1] << 8 | block[offset + 2] << 16 |
           static_cast<uint32_t>(block[offset + 3]) << 24;
}

void ExpectHeader(const std::vector<uint8_t>& block, uint32_t wide = 0)
{
    ASSERT_GE(block.size(), 20u);
    EXPECT_EQ(20u, ReadLittleEndian32(block, 0));
    EXPECT_EQ(5u, ReadLittleEndian32(block, 4));
    EXPECT_EQ(5u, ReadLittleEndian32(block, 8));
    EXPECT_EQ(0u, ReadLittleEndian32(block, 12));
    EXPECT_EQ(wide, ReadLittleEndian32(block, 16));
}

}  // namespace

TEST(DropBlock, PathsInRowOrderEachEndedByAZeroAndTheListByAnother)
{
    const std::vector<uint8_t> block =
        MakeDropBlock({"C:\\a\\1.mp3", "C:\\a\\2.mp3", "D:\\b\\3.mp3"});
    ExpectHeader(block);
    EXPECT_EQ(std::string("C:\\a\\1.mp3\0C:\\a\\2.mp3\0D:\\b\\3.mp3\0\0", 34),
              std::string(block.begin() + 20, block.end()));
    const std::vector<uint8_t> empty = MakeDropBlock({});
    ExpectHeader(empty);
    EXPECT_EQ(std::string(1, '\0'), std::string(empty.begin() + 20, empty.end()));
}

TEST(DropBlock, WideNamesTakeTwoBytesAUnitAndTheFlag)
{
    EXPECT_EQ(22u, MakeWideDropBlock({}).size());
    const std::vector<uint8_t> block = MakeWideDropBlock({u"C:\\\u65E5", u"\U0001F3B5"});
    ASSERT_EQ(20u + 10 + 6 + 2, block.size());
    ExpectHeader(block, 1);
    const uint8_t list[] = {'C', 0, ':', 0, '\\', 0, 0xE5, 0x65, 0, 0,
                            0x3C, 0xD8, 0xB5, 0xDF, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(list, list + sizeof list),
              std::vector<uint8_t>(block.begin() + 20, block.end()));
}

TEST(DropTarget, ChildSettingAndMemoryView)
{
    for (bool external : {false, true}) {
        EXPECT_EQ(DropTarget::kWindow, ChooseDropTarget(0, external));
        EXPECT_EQ(DropTarget::kFirstChild, ChooseDropTarget(1, external));
        EXPECT_EQ(DropTarget::kFirstChild, ChooseDropTarget(-1, external));
        EXPECT_EQ(DropTarget::kFirstChild, ChooseDropTarget(3, external));
    }
    EXPECT_EQ(DropTarget::kFirstChild, ChooseDropTarget(2, true));
    EXPECT_EQ(DropTarget::kFirstChildsNext, ChooseDropTarget(2, false));
}
