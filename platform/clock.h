// Where "now" comes from, so that dates proposed from today can be tested.
#pragma once

#include "records/tbaccrec.h"

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time as a day count.
    virtual TDateTime now() const = 0;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(TDateTime when) : when_(when) {}
    TDateTime now() const override { return when_; }
    void set(TDateTime when) { when_ = when; }

private:
    TDateTime when_;
};
