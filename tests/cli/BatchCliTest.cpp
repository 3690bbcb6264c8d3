// polar with several coordinate files: each section's polar as it would be
// alone, in the order given, one bad file reported on standard error without
// stopping the others, and status 1 when any failed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::CliRun;
using test::runCli;

class PolarBatch : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::path(testing::TempDir()) / ("polar-batch-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        bad_ = (folder_ / "not a section.dat").string();
        std::ofstream(bad_) << "this is a shopping list\nbread\nmilk\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static std::string quoted(const std::string& path) { return "'" + path + "'"; }

    std::filesystem::path folder_;
    std::string bad_;
    const std::string first_ = test::dataPath("reference/karman_trefftz/KT_cambered.txt");
    const std::string second_ = test::dataPath("reference/karman_trefftz/KT_cambered_selig.dat");
};

TEST_F(PolarBatch, EachFilesPolarInOrderAndABadFileStopsNoOther) {
    const std::string options = " --points 40 --re 2e6";
    const CliRun alone1 = runCli("polar --file " + first_ + options);
    const CliRun alone2 = runCli("polar --file " + second_ + options);
    ASSERT_EQ(alone1.status, 0) << alone1.err;
    ASSERT_EQ(alone2.status, 0) << alone2.err;

    // Repeated --file, the bad file between the good ones; then the names
    // after one --file, as a shell glob gives them.
    for (const std::string& files : {" --file " + first_ + " --file " + quoted(bad_) + " --file " + second_,
                                     " --file " + first_ + " " + quoted(bad_) + " " + second_}) {
        const CliRun batch = runCli("polar" + files + options);
        EXPECT_EQ(batch.status, 1) << "a file failed";
        EXPECT_EQ(batch.out, alone1.out + alone2.out);
        EXPECT_EQ(std::count(batch.err.begin(), batch.err.end(), '\n'), 1) << batch.err;
        EXPECT_NE(batch.err.find(bad_), std::string::npos) << batch.err;
    }
}

TEST_F(PolarBatch, OneThreadOrManyGiveTheSameOutput) {
    const std::string args =
        "polar --points 40 --format csv --file " + second_ + " " + first_ + " " + second_;
    ::setenv("AEROLUNE_THREADS", "1", 1);
    const CliRun serial = runCli(args);
    ::unsetenv("AEROLUNE_THREADS");
    const CliRun parallel = runCli(args);
    ASSERT_EQ(serial.status, 0) << serial.err;
    EXPECT_EQ(parallel.out, serial.out);
}

TEST_F(PolarBatch, CsvIsOneTableWithASectionColumnAndJsonOneObjectPerFile) {
    const std::string files = " --points 40 --file " + first_ + " " + quoted(bad_) + " " + second_;
    const CliRun csv = runCli("polar --format csv" + files);
    EXPECT_EQ(csv.status, 1);
    std::istringstream lines(csv.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("section,file,reynolds,alpha_deg,cl,cd,", 0), 0u) << line;
    std::vector<std::string> sections;
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        EXPECT_EQ(line.find("shopping"), std::string::npos);
        const std::string section = line.substr(0, line.find(','));
        if (sections.empty() || sections.back() != section) sections.push_back(section);
    }
    EXPECT_EQ(rows, 2 * 21);
    EXPECT_EQ(sections.size(), 2u) << "the two good sections, one after the other";

    const CliRun json = runCli("polar --format json" + files);
    EXPECT_EQ(json.status, 1);
    std::istringstream objects(json.out);
    std::vector<std::string> read;
    while (std::getline(objects, line)) {
        const nlohmann::json polar = nlohmann::json::parse(line);
        read.push_back(polar.at("inputs").at("file"));
        EXPECT_EQ(polar.at("results").at("rows").size(), 21u);
    }
    EXPECT_EQ(read, (std::vector<std::string>{first_, second_}));
}

}  // namespace
}  // namespace aerolune
