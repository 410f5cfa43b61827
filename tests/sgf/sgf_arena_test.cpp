#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "sgf/sgf_arena.h"
#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

// A collection built in the memory of another reads every record as one built
// in fresh memory does, whatever the first one left in its pages.
TEST(SgfArena, ACollectionReadInReusedMemoryIsTheSame) {
  const std::string records[] = {
      "(;SZ[19]AB[aa:ss]C[" + std::string(5000, 'x') + "](;B[cc];W[dd])(;B[ee]LB[aa:x]))",
      "(;SZ[9];B[aa]C[short];W[bb](;B[cc])(;B[dd]))(;SZ[13];AW[aa][bb]B[cc])",
      "(;SZ[9])",
  };
  SgfArena memory;
  for (int round = 0; round < 2; ++round) {
    for (const std::string& record : records) {
      GameContext context;
      SgfText text(record);
      SgfCollection reused(context, std::move(memory));
      BeginParse(reused, text);
      testing::ParsedRecord fresh(record);
      EXPECT_EQ(testing::FirstDifference(reused, text, fresh.collection, fresh.text), "") << record;
      memory = std::move(reused).TakeMemory();
    }
  }
}

// What a huge record committed is mostly given back; the rest serves again.
TEST(SgfArena, ClearKeepsAtMostTheKeptBytes) {
  SgfArena arena;
  char* text = arena.NewString(SgfArena::kKeptBytes + (64u << 20));
  std::memset(text, 'x', 4096);
  ASSERT_GT(arena.ReservedBytes(), SgfArena::kKeptBytes);
  arena.Clear();
  EXPECT_EQ(arena.ReservedBytes(), SgfArena::kKeptBytes);
  char* again = arena.NewString(1000);
  std::memset(again, 'y', 1000);
  EXPECT_EQ(arena.ReservedBytes(), SgfArena::kKeptBytes);

  SgfArena small;
  small.NewString(100000);
  const size_t committed = small.ReservedBytes();
  small.Clear();
  EXPECT_EQ(small.ReservedBytes(), committed) << "a record of usual size keeps all its pages";
}

}  // namespace
}  // namespace tenukiro
