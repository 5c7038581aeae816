#include "ui/RowText.h"

#include "catalogue/CountText.h"
#include "platform/TextEncoding.h"

#include <cstring>

std::string NameCellText(const std::string& name)
{
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string SizeCellText(uint32_t sizeKB)
{
    std::string digits = GroupedDigits(sizeKB);
    const std::string::size_type width = 9;
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), ' ');
    return digits;
}

void FormatRowText(const CFileList& list, intptr_t itemData, int column, char* buffer,
                   int size)
{
    if (buffer == nullptr || size <= 0)
        return;
    std::string text;
    if (itemData >= 0 && itemData < list.GetCount()) {
        const uint32_t index = static_cast<uint32_t>(itemData);
        if (column == 0)
            text = NameCellText(list.GetName(index));
        else if (column == 1)
            text = SizeCellText(list.GetSizeKB(index));
    }
    const std::size_t length = platform::WholeCharsPrefix(text, static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}
