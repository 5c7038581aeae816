#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Width in pixels of the first `length` bytes of `text` (whole UTF-8 characters).
using TextMeasure = std::function<int(const char* text, std::size_t length)>;

struct FittedText {
    std::string text;
    bool shortened = false;
};

// `text` itself when it fits `width` with `margin` to spare; otherwise as many of
// its leading characters as fit together with "..." (at least the first one); a
// character is never cut in half.
FittedText FitText(const std::string& text, int width, int margin, const TextMeasure& measure);
