#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/fakemessages.h"
#include "platform/guardedapplication.h"

namespace {

TEST(GuardedApplication, ExceptionLeavingAHandlerIsShownAndStopsThere)
{
    FakeMessages messages;
    EXPECT_TRUE(deliverguarded(messages, [] { return true; }));
    EXPECT_FALSE(deliverguarded(messages, [] { return false; }));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_TRUE(deliverguarded(messages, []() -> bool { throw std::runtime_error("Disk on fire"); }));
    EXPECT_TRUE(deliverguarded(messages, []() -> bool { throw 42; }));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Disk on fire", "An unexpected error occurred."}));
}

}  // namespace
