#include "cli/RunHistory.h"

#include "cli/ProgramInfo.h"
#include "cli/TerminalProgress.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/StateFolder.h"
#include "settings/IniPath.h"

#include <algorithm>
#include <cstdio>

namespace {

void PrintHistoryFailure(const char* prefix, const std::string& path, const std::string& reason)
{
    std::string line = MessageLine(prefix, path);
    if (path.empty())
        line = "the history of saves has no place: no home folder is set; --history FILE names one";
    else if (!reason.empty())
        line += ": " + reason;
    std::fprintf(stderr, "%s: %s\n", kProgramName, line.c_str());
}

}  // namespace

std::string HistoryLocation(const std::string& historyFile, const std::string& settingsFile,
                            const std::string& stateFolder)
{
    if (!historyFile.empty())
        return historyFile;
    if (!settingsFile.empty())
        return HistoryPathForSettings(settingsFile);
    return stateFolder.empty() ? std::string() : platform::JoinPath(stateFolder, "history");
}

CRunHistory::CRunHistory(const std::string& path)
    : m_saveHistory(path), m_historyFailure(PrintHistoryFailure)
{
}

std::vector<bool> CRunHistory::LeaveOut(const CFileList& source, int days, int& count)
{
    CRecentSaves recent;
    if (days > 0) {
        const bool read = !m_saveHistory.Path().empty() &&
                          m_saveHistory.ReadRecent(days, platform::UtcNow(), recent);
        m_historyFailure.AfterRead(read, m_saveHistory.Path());
    }
    const std::vector<bool> marks = MarkRecentlySaved(source, recent);
    count = static_cast<int>(std::count(marks.begin(), marks.end(), true));
    return marks;
}

void CRunHistory::RecordSaved(const std::vector<std::string>& paths)
{
    std::vector<std::string> fresh;
    for (const std::string& path : paths) {
        if (m_setRecorded.insert(path).second)
            fresh.push_back(path);
    }
    if (fresh.empty())
        return;
    platform::MakeFolders(platform::FolderOf(m_saveHistory.Path()));
    m_saveHistory.Record(fresh, platform::UtcNow());
}

void CRunHistory::TellFailedRecords()
{
    m_historyFailure.AfterWrite(m_saveHistory.RecordsResult(), m_saveHistory.Path());
}
