// The generator is reproducible and the committed data directory is exactly its output.
#include "DataFileReaders.h"
#include "Generate.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::vector<GeneratedFile>& Generated() {
    static const std::vector<GeneratedFile> files = [] {
        std::vector<GeneratedFile> out;
        std::vector<std::string> problems;
        EXPECT_EQ(GenerateDataFiles(TAVRONA_DATAGEN_SOURCES, out, problems), 1);
        for (const std::string& p : problems) {
            ADD_FAILURE() << p;
        }
        return out;
    }();
    return files;
}

TEST(Generator, TwoRunsGiveIdenticalBytes) {
    std::vector<GeneratedFile> again;
    std::vector<std::string> problems;
    ASSERT_EQ(GenerateDataFiles(TAVRONA_DATAGEN_SOURCES, again, problems), 1);
    ASSERT_EQ(again.size(), Generated().size());
    for (size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].name, Generated()[i].name);
        EXPECT_TRUE(again[i].bytes == Generated()[i].bytes) << again[i].name;
    }
}

TEST(Generator, CommittedDataEqualsItsOutput) {
    for (const GeneratedFile& f : Generated()) {
        const std::string committed =
            datatest::ReadBytes(std::string(TAVRONA_TEST_DATA) + "/" + f.name);
        EXPECT_TRUE(committed == f.bytes)
            << f.name << " differs from the generator's output; run tavrona-datagen data";
    }
}

TEST(Generator, WritesEveryFileOfTheDataDirectoryOnce) {
    std::set<std::string> names;
    for (const GeneratedFile& f : Generated()) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
    }
    for (const char* expected :
         {"limit.dat",    "perpost.dat",  "lhand.dat",    "rhand.dat",    "walk.dat",
          "antro1.dat",   "usa2.dat",     "usa3.dat",     "british2.dat", "british3.dat",
          "germany2.dat", "germany3.dat", "france2.dat",  "france3.dat",  "poland2.dat",
          "poland3.dat",  "indian2.dat",  "indian3.dat",  "swiss2.dat",   "swiss3.dat",
          "japan2.dat",   "japan3.dat",   "schina2.dat",  "schina3.dat",  "neurope2.dat",
          "neurope3.dat", "nasa2.dat",    "nasa3.dat",    "mch2_35.dat",  "mch35_45.dat",
          "mch45_55.dat", "mch55_65.dat", "mch65_75.dat", "mch75_85.dat", "mch85_95.dat",
          "mch95105.dat", "mc105115.dat", "mc115125.dat"}) {
        EXPECT_EQ(names.count(expected), 1u) << expected;
    }
}

TEST(Generator, MissingSourcesFailWithAReason) {
    std::vector<GeneratedFile> files;
    std::vector<std::string> problems;
    EXPECT_EQ(GenerateDataFiles("/nonexistent/sources", files, problems), 0);
    EXPECT_FALSE(problems.empty());
    EXPECT_TRUE(files.empty());
}

} // namespace
