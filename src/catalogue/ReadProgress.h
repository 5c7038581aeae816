#pragma once
#include <string>

// The progress of a long read (a folder tree, a playlist), told to whoever shows
// it: the window, the command-line program, a test. The catalogue shows nothing
// itself; after each folder entry or playlist line it asks here whether to go on.
class CReadProgress {
public:
    virtual ~CReadProgress() = default;
    // `source` is the folder or playlist in hand, `admitted` the number of files
    // this read has admitted so far. False stops the read after the entry in hand;
    // what was admitted stays in the list.
    virtual bool KeepReading(const std::string& source, int admitted) = 0;
};
