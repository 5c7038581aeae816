#include "ui/TextFit.h"

#include <gtest/gtest.h>

namespace {
// Every character is 5 pixels wide, a dot 2.
int Measure(const char* text, std::size_t length)
{
    int width = 0;
    for (std::size_t i = 0; i < length; ++i)
        width += text[i] == '.' ? 2 : 5;
    return width;
}
}  // namespace

TEST(TextFit, TextThatFitsWithItsMarginIsKept)
{
    FittedText fitted = FitText("abcd", 24, 4, Measure);
    EXPECT_EQ("abcd", fitted.text);
    EXPECT_FALSE(fitted.shortened);
    EXPECT_FALSE(FitText("", 0, 4, Measure).shortened);
}

TEST(TextFit, KeepsAsManyLeadingCharactersAsFitWithTheDots)
{
    // 23 pixels: "abcd" needs 20 + 4; "abc" + "..." needs 15 + 4 + 6 = 25; "ab" 20.
    FittedText fitted = FitText("abcdef", 23, 4, Measure);
    EXPECT_EQ("ab...", fitted.text);
    EXPECT_TRUE(fitted.shortened);
    EXPECT_EQ("abc...", FitText("abcdef", 25, 4, Measure).text);
}

TEST(TextFit, NeverShorterThanTheFirstCharacterAndDots)
{
    EXPECT_EQ("a...", FitText("abcdef", 3, 4, Measure).text);
    EXPECT_EQ("x...", FitText("x", 0, 12, Measure).text);
}

TEST(TextFit, CutsBetweenCharactersNeverInsideOne)
{
    // Three characters of three bytes each, 15 pixels wide here; a cut after the
    // fifth byte would fit 35 pixels too.
    const std::string text = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
    EXPECT_EQ("\xE6\x97\xA5...", FitText(text, 35, 4, Measure).text);
    EXPECT_EQ("\xE6\x97\xA5\xE6\x9C\xAC...", FitText(text, 40, 4, Measure).text);
    // The first character is kept whole, four bytes and all.
    EXPECT_EQ("\xF0\x9F\x8E\xB5...", FitText("\xF0\x9F\x8E\xB5\xF0\x9F\x8E\xB5", 0, 4, Measure).text);
}
