#pragma once

#include <chrono>

/// Monotonic time, blocking sleeps and event passes, so tests need not wait for real.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~Clock() = default;
    virtual TimePoint Now() = 0;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    /// Lets pending window events run once.
    virtual void ProcessEvents() = 0;
    /// Lets pending events run once, dropping user input: windows keep painting while a
    /// long command takes no clicks, keys or close requests, and none come after it ends.
    virtual void ProcessEventsWithoutInput() = 0;
};
