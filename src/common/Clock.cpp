#include "common/Clock.h"

namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const SystemClock systemClock;
const Clock* installed = nullptr;

} // namespace

const Clock& Clock::current() { return installed ? *installed : systemClock; }

void Clock::install(const Clock* clock) { installed = clock; }
