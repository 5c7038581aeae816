#include "cli/TerminalProgress.h"

#include "catalogue/CountText.h"
#include "cli/TerminalText.h"
#include "platform/Console.h"
#include "platform/Paths.h"

#include <cstdio>

namespace {

const std::chrono::milliseconds kShortestInterval(100);
// Where the terminal does not tell its width.
const std::size_t kUsualColumns = 80;

// A line that filled the last column would make some terminals wrap, and "\r"
// would no longer return to its start.
std::size_t LineWidth()
{
    const std::size_t columns = platform::TerminalColumns();
    return (columns > 0 ? columns : kUsualColumns) - 1;
}

}  // namespace

std::string MessageLine(const char* prefix, const std::string& path)
{
    std::string line = prefix;
    // A message box puts the path on a line of its own after a "\r".
    if (!line.empty() && line.back() == '\r')
        line.back() = ' ';
    return line + path;
}

CTerminalProgress::CTerminalProgress(bool show) : m_bShow(show) {}

CTerminalProgress::~CTerminalProgress()
{
    Clear();
}

void CTerminalProgress::Clear()
{
    if (m_nShownLength == 0)
        return;
    std::fprintf(stderr, "\r%*s\r", static_cast<int>(m_nShownLength), "");
    std::fflush(stderr);
    m_nShownLength = 0;
}

bool CTerminalProgress::Due(bool now)
{
    if (!m_bShow)
        return false;
    const auto time = std::chrono::steady_clock::now();
    if (!now && m_bShownOnce && time - m_tLastShown < kShortestInterval)
        return false;
    m_bShownOnce = true;
    m_tLastShown = time;
    return true;
}

void CTerminalProgress::Show(const std::string& text)
{
    // Blanks cover what is left of a longer line shown before.
    const std::size_t columns = LineColumns(text);
    const int cover = m_nShownLength > columns ? static_cast<int>(m_nShownLength - columns) : 0;
    std::fprintf(stderr, "\r%s%*s", text.c_str(), cover, "");
    if (cover > 0)
        std::fprintf(stderr, "\r%s", text.c_str());
    std::fflush(stderr);
    m_nShownLength = columns;
}

bool CTerminalProgress::KeepReading(const std::string& source, int admitted)
{
    // Called for every entry of a large tree: the line is made only when shown.
    if (Due(false))
        Show(FitLine("Reading ", source, "  " + GroupedCount(admitted) + " files", LineWidth()));
    return true;
}

bool CTerminalProgress::Saving(int index, int count, const std::string& destPath)
{
    if (Due(index == 0))
        Show(FitLine(m_strVerb + " " + std::to_string(index + 1) + "/" + std::to_string(count) + " ",
                     platform::NameOf(destPath), "", LineWidth()));
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

bool CTerminalProgress::Probing(std::size_t done, std::size_t count)
{
    if (Due(done == 0))
        Show("Reading lengths " + GroupedDigits(done) + "/" + GroupedDigits(count));
    return true;
}

bool CTerminalProgress::Converting(std::size_t done, std::size_t count, std::size_t fromCache)
{
    if (Due(done == 0))
        Show(ConvertingText(done, count, fromCache));
    return true;
}

std::string ConvertingText(std::size_t done, std::size_t count, std::size_t fromCache)
{
    return "Converting " + std::to_string(done) + "/" + std::to_string(count) + ": " +
           std::to_string(done - fromCache) + " converted, " + std::to_string(fromCache) +
           " from the cache";
}
