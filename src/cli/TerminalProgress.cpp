#include "cli/TerminalProgress.h"

#include "platform/Paths.h"

#include <algorithm>
#include <cstdio>

namespace {

const std::chrono::milliseconds kShortestInterval(100);
// Wider than this, a terminal of 80 columns would wrap the line and "\r" would
// no longer return to its start.
const std::string::size_type kLineWidth = 79;

// head + path + tail, the path cut to fit the line width from its start, as its
// end holds the names that tell where the work is.
std::string FitLine(const std::string& head, const std::string& path, const std::string& tail)
{
    if (head.size() + path.size() + tail.size() <= kLineWidth)
        return head + path + tail;
    const std::string::size_type used = head.size() + 3 + tail.size();
    const std::string::size_type room = kLineWidth > used ? kLineWidth - used : 0;
    return head + "..." + path.substr(path.size() - std::min(room, path.size())) + tail;
}

}  // namespace

std::string GroupedNumber(long long number)
{
    std::string digits = std::to_string(number < 0 ? -number : number);
    for (std::string::size_type at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return number < 0 ? "-" + digits : digits;
}

std::string MessageLine(const char* prefix, const std::string& path)
{
    std::string line = prefix;
    // A message box puts the path on a line of its own after a "\r".
    if (!line.empty() && line.back() == '\r')
        line.back() = ' ';
    return line + path;
}

CTerminalProgress::CTerminalProgress(bool show) : m_show(show) {}

CTerminalProgress::~CTerminalProgress()
{
    Clear();
}

void CTerminalProgress::Clear()
{
    if (m_shownLength == 0)
        return;
    std::fprintf(stderr, "\r%*s\r", static_cast<int>(m_shownLength), "");
    std::fflush(stderr);
    m_shownLength = 0;
}

bool CTerminalProgress::Due(bool now)
{
    if (!m_show)
        return false;
    const auto time = std::chrono::steady_clock::now();
    if (!now && m_shownOnce && time - m_lastShown < kShortestInterval)
        return false;
    m_shownOnce = true;
    m_lastShown = time;
    return true;
}

void CTerminalProgress::Show(const std::string& text)
{
    // Blanks cover what is left of a longer line shown before.
    const int cover = m_shownLength > text.size() ? static_cast<int>(m_shownLength - text.size()) : 0;
    std::fprintf(stderr, "\r%s%*s", text.c_str(), cover, "");
    if (cover > 0)
        std::fprintf(stderr, "\r%s", text.c_str());
    std::fflush(stderr);
    m_shownLength = text.size();
}

bool CTerminalProgress::KeepReading(const std::string& source, int admitted)
{
    // Called for every entry of a large tree: the line is made only when shown.
    if (Due(false))
        Show(FitLine("Reading ", source, "  " + GroupedNumber(admitted) + " files"));
    return true;
}

bool CTerminalProgress::Saving(int index, int count, const std::string& destPath)
{
    if (Due(index == 0))
        Show(FitLine(m_verb + " " + std::to_string(index + 1) + "/" + std::to_string(count) + " ",
                     platform::NameOf(destPath), ""));
    return true;
}

void CTerminalProgress::NotSaved(const SaveFailure& failure)
{
    Clear();
    std::string line = MessageLine(FailurePrefix(failure), failure.path);
    if (!failure.reason.empty())
        line += ": " + failure.reason;
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}
