#include <gtest/gtest.h>

#include "records/recordlist.h"

TEST(Placeholder, Builds) { SUCCEED(); }
