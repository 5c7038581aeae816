#include "cli/RunHistory.h"

#include "catalogue/HistoryLine.h"
#include "cli/ProgramInfo.h"
#include "cli/TerminalProgress.h"
#include "output/SaveTexts.h"
#include "platform/Paths.h"
#include "platform/StateFolder.h"
#include "settings/IniPath.h"

#include <algorithm>
#include <cstdio>

std::string HistoryLocation(const std::string& historyFile, const std::string& settingsFile,
                            const std::string& stateFolder)
{
    if (!historyFile.empty())
        return historyFile;
    if (!settingsFile.empty())
        return HistoryPathForSettings(settingsFile);
    return stateFolder.empty() ? std::string() : platform::JoinPath(stateFolder, "history");
}

CRunHistory::CRunHistory(const std::string& path) : m_history(path)
{
}

std::vector<bool> CRunHistory::LeaveOut(const CFileList& source, int days, int& count)
{
    CRecentSaves recent;
    if (days > 0 && (m_history.Path().empty() || !m_history.ReadRecent(days, UtcNow(), recent)))
        Tell(kCannotReadHistory, "");
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
    platform::MakeFolders(platform::FolderOf(m_history.Path()));
    m_history.Record(fresh, UtcNow());
}

void CRunHistory::TellFailedRecords()
{
    const platform::WriteResult& failure = m_history.FirstFailure();
    if (!failure)
        Tell(kCannotWriteHistory, failure.Reason());
}

void CRunHistory::Tell(const char* prefix, const std::string& reason)
{
    if (m_bTold)
        return;
    m_bTold = true;
    std::string line = MessageLine(prefix, m_history.Path());
    if (m_history.Path().empty())
        line = "the history of saves has no place: no home folder is set; --history FILE names one";
    else if (!reason.empty())
        line += ": " + reason;
    std::fprintf(stderr, "%s: %s\n", kProgramName, line.c_str());
}
