#include "core/TextLineReader.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(TextLineReaderTest, SplitsLinesAndStripsLineEnds) {
    ScopedDataDirectory dir;
    dir.Write("a.txt", "one\r\ntwo\n\nlast");
    CTextLineReader reader(dir.Path("a.txt"));
    std::string line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "two");
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(reader.Next(line));
    EXPECT_FALSE(reader.Malformed());
}

TEST(TextLineReaderTest, LongLinesAndNulBytesAreMalformed) {
    ScopedDataDirectory dir;
    dir.Write("ok.txt", std::string(79, 'a') + "\r\n");
    dir.Write("long.txt", std::string(80, 'a') + "\nnext\n");
    dir.Write("nul.txt", std::string("ab\0cd\n", 6));
    CTextLineReader ok(dir.Path("ok.txt"));
    std::string line;
    EXPECT_TRUE(ok.Next(line));
    CTextLineReader longOne(dir.Path("long.txt"));
    EXPECT_FALSE(longOne.Next(line));
    EXPECT_TRUE(longOne.Malformed());
    EXPECT_FALSE(longOne.Next(line)); // stays failed: "next" is never handed out
    CTextLineReader nul(dir.Path("nul.txt"));
    EXPECT_FALSE(nul.Skip(1));
    EXPECT_TRUE(nul.Malformed());
}

TEST(TextLineReaderTest, MissingFilesAndDirectoriesDoNotOpenOrRead) {
    ScopedDataDirectory dir;
    CTextLineReader missing(dir.Path("none.txt"));
    EXPECT_FALSE(missing.IsOpen());
    std::string line;
    EXPECT_FALSE(missing.Next(line));
    CTextLineReader folder(dir.Path(""));
    EXPECT_FALSE(folder.Next(line));
    EXPECT_FALSE(folder.Skip(3));
}

} // namespace
