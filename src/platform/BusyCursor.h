#pragma once

// The busy cursor over the program's windows for as long as the object lives.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    // Work longer than this shows the busy cursor (a fifth of a second).
    static constexpr int DelayMs = 200;
};
