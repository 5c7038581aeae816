#include "ui/TextFit.h"

#include "platform/TextEncoding.h"

#include <vector>

FittedText FitText(const std::string& text, int width, int margin, const TextMeasure& measure)
{
    const std::size_t n = text.size();
    if (n == 0 || measure(text.data(), n) + margin <= width)
        return {text, false};
    static const char kDots[] = "...";
    const int dotsWidth = measure(kDots, 3);
    // Cuts fall between characters, never inside one; the first is always kept.
    std::vector<std::size_t> cuts;
    for (std::size_t at = 0; at < n;) {
        const std::size_t length = platform::Utf8CharLength(text, at);
        at += length == 0 ? 1 : length;
        cuts.push_back(at);
    }
    std::size_t kept = cuts.front();
    for (std::size_t i = cuts.size() - 1; i-- > 1;) {
        if (measure(text.data(), cuts[i]) + margin + dotsWidth <= width) {
            kept = cuts[i];
            break;
        }
    }
    return {text.substr(0, kept) + kDots, true};
}
