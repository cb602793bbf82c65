#pragma once

#include "common/Clock.h"

// A clock that stands still until a test moves it; installed while it lives.
class FakeClock final : public Clock {
public:
    explicit FakeClock(const QDateTime& start) : m_now(start) { Clock::install(this); }
    ~FakeClock() override { Clock::install(nullptr); }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& time) { m_now = time; }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};
