#include "catalogue/SaveHistory.h"

#include "catalogue/HistoryLine.h"
#include "platform/AppendFile.h"
#include "platform/Clock.h"
#include "platform/FileLock.h"
#include "platform/WholeFile.h"

namespace {

using platform::kSecondsPerDay;
const int kTidyAfterDays = CSaveHistory::kHistoryDays + 30;

// Calls `visit` with the time, the path and the whole text of every line that is
// not damaged; a line may end in "\r\n" and the last one without a line end.
template <typename Visit>
void ForEachLine(const std::string& bytes, Visit visit)
{
    std::string_view rest(bytes);
    int64_t when = 0;
    std::string_view path;
    while (!rest.empty()) {
        const std::string_view::size_type end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (ParseHistoryLine(line, when, path))
            visit(when, path, line);
    }
}

}  // namespace

CSaveHistory::CSaveHistory(std::string path) : m_strPath(std::move(path))
{
}

platform::WriteResult CSaveHistory::Record(const std::vector<std::string>& paths, int64_t now)
{
    // The first record of a run keeps the file from growing for ever.
    if (!m_bTidied)
        Scan(now, now, nullptr);
    std::vector<std::string> lines;
    for (const std::string& path : paths) {
        if (path.find_first_of("\r\n") == std::string::npos)
            lines.push_back(HistoryLine(now, path));
    }
    if (lines.empty())
        return platform::WriteResult::Done();
    const platform::WriteResult written = platform::AppendLines(m_strPath, lines);
    if (!written && m_recordsResult)
        m_recordsResult = written;
    return written;
}

bool CSaveHistory::ReadRecent(int days, int64_t now, CRecentSaves& recent)
{
    if (days <= 0)
        return true;
    return Scan(now, now - days * kSecondsPerDay, &recent);
}

bool CSaveHistory::Scan(int64_t now, int64_t since, CRecentSaves* recent)
{
    m_bTidied = true;
    std::string bytes;
    if (!platform::ReadWholeFile(m_strPath, bytes))
        return false;
    const int64_t keepFrom = now - kHistoryDays * kSecondsPerDay;
    const int64_t tidyBefore = now - kTidyAfterDays * kSecondsPerDay;
    bool tidy = false;
    ForEachLine(bytes, [&](int64_t when, std::string_view path, std::string_view) {
        if (recent != nullptr && when >= since)
            recent->Add(path);
        tidy = tidy || when < tidyBefore;
    });
    if (!tidy)
        return true;
    // Housekeeping only: a history that cannot be rewritten now is tried again.
    // Read again under the appends' lock, so that no line added since is lost.
    platform::WithFileLock(m_strPath, [&] {
        std::string current;
        if (!platform::ReadWholeFile(m_strPath, current))
            return platform::FailedWithLastError();
        std::string kept;
        ForEachLine(current, [&](int64_t when, std::string_view, std::string_view line) {
            if (when >= keepFrom)
                kept.append(line).push_back('\n');
        });
        return platform::WriteWholeFile(m_strPath, kept);
    });
    return true;
}
