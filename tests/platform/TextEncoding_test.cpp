#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

using platform::IsValidUtf8;
using platform::PathLength;
using platform::Utf16Length;
using platform::Utf16UnitsPrefix;

TEST(TextEncoding, OnlyWellFormedUtf8IsValid)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool valid;
    } const cases[] = {
        {"ASCII", "abc", true},
        {"two, three and four bytes", "\xC3\xA9\xE6\x97\xA5\xF0\x9F\x8E\xB5", true},
        {"largest character", "\xF4\x8F\xBF\xBF", true},
        {"overlong slash", "\xC0\xAF", false},
        {"overlong three bytes", "\xE0\x80\xAF", false},
        {"overlong four bytes", "\xF0\x80\x80\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"past U+10FFFF", "\xF4\x90\x80\x80", false},
        {"stray continuation", "a\x80", false},
        {"cut short", "\xE6\x97", false},
        {"legacy byte", "caf\xE9", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, IsValidUtf8(c.bytes)) << c.what;
}

// Windows limits paths in UTF-16 units: a character beyond U+FFFF takes two.
TEST(TextEncoding, Utf16UnitsCountSurrogatePairsTwice)
{
    const std::string note = "\xF0\x9F\x8E\xB5", nichi = "\xE6\x97\xA5";
    EXPECT_EQ(5u, Utf16Length("a" + note + nichi + "\xE9"));
    EXPECT_EQ(Utf16Length("a" + note), PathLength("a" + note));
    EXPECT_EQ(1u, Utf16UnitsPrefix("a" + note, 2));  // the pair does not fit in one unit
    EXPECT_EQ(5u, Utf16UnitsPrefix("a" + note, 3));
    EXPECT_EQ(4u, Utf16UnitsPrefix(nichi + "\xE9z", 2));
}

}  // namespace
