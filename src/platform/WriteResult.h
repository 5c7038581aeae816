#pragma once
#include <string>
#include <utility>

namespace platform {

// The outcome of writing a file: done, or not done for a reason in the system's
// own words ("No space left on device"), which each front end words as it likes.
class WriteResult {
public:
    static WriteResult Done() { return WriteResult(); }
    static WriteResult Failed(std::string reason)
    {
        WriteResult result;
        result.m_bFailed = true;
        result.m_strReason = std::move(reason);
        return result;
    }
    explicit operator bool() const { return !m_bFailed; }
    const std::string& Reason() const { return m_strReason; }

private:
    bool m_bFailed = false;
    std::string m_strReason;
};

// The last system error of this thread (errno, or GetLastError on Windows) in
// the system's words, as a failed write reports it.
std::string LastErrorText();

// Whether the last system error says that the medium is full.
bool LastErrorIsNoRoom();

// A failure that carries the last system error.
inline WriteResult FailedWithLastError()
{
    return WriteResult::Failed(LastErrorText());
}

}  // namespace platform
