#include "test_positions.h"

#include "eval/breakthrough_rules.h"
#include "eval/knowledge.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Breakthrough, Placeholder) { }

} // namespace
} // namespace kv
