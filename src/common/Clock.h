#pragma once

#include <QDateTime>

// The program's one source of the current time, replaceable in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    static const Clock& current();
    // Installs a clock; nullptr restores the system clock. The caller keeps ownership.
    static void install(const Clock* clock);
};
