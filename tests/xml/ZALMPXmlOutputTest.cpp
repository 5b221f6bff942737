// The writer's output: pieces of every length, appended through blocks that
// grow, read back as one text.

#include <ZALMPXmlOutput.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(XmlOutput, PiecesOfEveryLengthReadBackInOrderAcrossGrowth)
{
  std::string source;
  for (int i = 0; i < 200; ++i) source += static_cast<char>('a' + i % 26);

  ZALMPXmlOutput out;
  EXPECT_TRUE(out.View().empty());
  std::string expected;
  // Far past the first block, so that every block's content moves on growing.
  for (int round = 0; round < 60; ++round)
    for (std::size_t length = 0; length <= 40; ++length) {
      const std::string_view piece(source.data() + (round + length) % 100, length);
      out.Append(piece);
      expected += piece;
      out.Append('|');
      expected += '|';
    }
  out.AppendRepeated(3, ' ');
  expected += "   ";
  // written in place: room for more than is taken
  char* const room = out.Room(32);
  std::memcpy(room, "1.5", 3);
  out.Extend(room + 3);
  expected += "1.5";
  ASSERT_EQ(expected.size(), out.Size());
  EXPECT_EQ(expected, out.View());

  // emptied, it fills again from the start
  out.Clear();
  EXPECT_EQ(0u, out.Size());
  out.Append(std::string_view(source).substr(0, 17));
  EXPECT_EQ(source.substr(0, 17), out.View());
}

}  // namespace
