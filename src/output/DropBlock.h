#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The drop point, in the target window's client coordinates.
constexpr int kDropPointX = 5;
constexpr int kDropPointY = 5;

// The byte image of a shell file drop block: a 20-byte header (list offset 20,
// point (5, 5), client coordinates, narrow names), then each path followed by a
// zero byte, then one closing zero byte. Numbers are little-endian on every host.
std::vector<uint8_t> MakeDropBlock(const std::vector<std::string>& paths);

// The same block with its names in UTF-16 (the wide-names flag set): each path
// and the closing zero take two bytes a unit, low byte first.
std::vector<uint8_t> MakeWideDropBlock(const std::vector<std::u16string>& paths);

// Which window of the player manager receives the drop, found from its top-level
// memory window.
enum class DropTarget {
    kWindow,           // the top-level window itself
    kFirstChild,       // its first child
    kFirstChildsNext   // the window after its first child
};

// `child` is the Child setting: 0 the window itself; 2 the first child for the
// external memory and its next sibling for the internal memory; any other value
// the first child.
DropTarget ChooseDropTarget(int child, bool externalMem);
