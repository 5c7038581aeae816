#pragma once
#include "platform/WriteResult.h"

#include <string>

// The texts that start the message, followed by the history's path.
constexpr char kCannotReadHistory[] = "Cannot read the history of saves:\r";
constexpr char kCannotWriteHistory[] = "Cannot write the history of saves:\r";

// Shows `prefix` (one of the texts above) followed by the history's `path`, and
// the system's `reason` where one is known; each front end in its own way.
using HistoryFailureShow = void (*)(const char* prefix, const std::string& path,
                                    const std::string& reason);

// A history of saves that cannot be read or written never stops a command, and
// telling it at every save would only be in the way: the first failure of a run
// is shown, later ones pass in silence.
class CHistoryFailure {
public:
    explicit CHistoryFailure(HistoryFailureShow show) : m_fnShow(show) {}

    // After reading the history at `path`, which worked when `read`.
    void AfterRead(bool read, const std::string& path);
    // After writing records to the history at `path`.
    void AfterWrite(const platform::WriteResult& written, const std::string& path);

private:
    void Show(const char* prefix, const std::string& path, const std::string& reason);

    HistoryFailureShow m_fnShow;
    bool m_bShown = false;
};
