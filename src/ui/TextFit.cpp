#include "ui/TextFit.h"

FittedText FitText(const std::string& text, int width, int margin, const TextMeasure& measure)
{
    const std::size_t n = text.size();
    if (n == 0 || measure(text.data(), n) + margin <= width)
        return {text, false};
    static const char kDots[] = "...";
    const int dotsWidth = measure(kDots, 3);
    std::size_t kept = 1;
    for (std::size_t i = n - 1; i >= 1; --i) {
        if (measure(text.data(), i) + margin + dotsWidth <= width) {
            kept = i;
            break;
        }
    }
    return {text.substr(0, kept) + kDots, true};
}
