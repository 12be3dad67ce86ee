// The system clock in local time.
#pragma once

#include "platform/clock.h"

class SystemClock : public Clock {
public:
    TDateTime now() const override;
};
