#include "catalogue/HistoryFailure.h"

void CHistoryFailure::AfterRead(bool read, const std::string& path)
{
    if (!read)
        Show(kCannotReadHistory, path, "");
}

void CHistoryFailure::AfterWrite(const platform::WriteResult& written, const std::string& path)
{
    if (!written)
        Show(kCannotWriteHistory, path, written.Reason());
}

void CHistoryFailure::Show(const char* prefix, const std::string& path, const std::string& reason)
{
    if (m_bShown)
        return;
    m_bShown = true;
    m_fnShow(prefix, path, reason);
}
