#pragma once
// A read of a small tree that runs on and on has met a folder again: stopping it
// after a bound turns such a fault into a failure instead of a hang.
#include "catalogue/ReadProgress.h"

namespace fixtures {

class BoundedRead : public CReadProgress {
public:
    explicit BoundedRead(int entries) : m_nLeft(entries) {}
    bool KeepReading(const std::string&, int) override { return --m_nLeft > 0; }
    bool Stopped() const { return m_nLeft <= 0; }

private:
    int m_nLeft;
};

}  // namespace fixtures
