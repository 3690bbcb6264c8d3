// Hostile coordinate files: mutations of valid files in each layout and plain
// random bytes, with fixed seeds so a failure repeats. The checked build aborts
// on any index outside the lists; these tests add the reader's own promises:
// counts within the capacity, a failure leaves the caller's section exactly as
// it was, a success has a usable section of finite numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "io/AirfoilFileReader.h"
#include "io/IoTestSupport.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

FileSection callerLists() {
    FileSection lists;
    for (int32_t i = 1; i <= FileSection::kCapacity; ++i) {
        lists.FileXU(i) = 0.001f * static_cast<float>(i);
        lists.FileYL(i) = -0.002f * static_cast<float>(i);
    }
    lists.FileNU = 17;
    lists.FileNL = 900;
    return lists;
}

bool sameLists(const FileSection& a, const FileSection& b) {
    return a.FileNU == b.FileNU && a.FileNL == b.FileNL && a.FileXU.vector() == b.FileXU.vector() &&
           a.FileYU.vector() == b.FileYU.vector() && a.FileXL.vector() == b.FileXL.vector() &&
           a.FileYL.vector() == b.FileYL.vector();
}

bool finiteSurface(const Array1<float>& xs, const Array1<float>& ys, int32_t n) {
    for (int32_t i = 1; i <= n; ++i) {
        if (!std::isfinite(xs(i)) || !std::isfinite(ys(i))) return false;
    }
    return true;
}

// Reads text as the caller would and checks every promise; returns a message
// for the first one broken, or nothing.
std::string brokenPromise(const std::string& text, int* successes = nullptr) {
    const FileSection before = callerLists();
    const std::string beforeName = "caller";
    FileSection lists = before;
    std::string name = beforeName;
    ReadAirfoilResult r = readAirfoilText(text, name, lists);

    if (r.ok != r.reason.empty()) return "ok and reason disagree";
    if (r.malformedFields < 0) return "negative diagnostic count";
    if (!r.ok && !r.notice.empty()) return "a failed read with a notice";
    if (r.ok && successes != nullptr) ++*successes;
    if (!r.ok) {
        if (name != beforeName || !sameLists(lists, before))
            return "failed read changed the caller's section";
    } else {
        if (lists.FileNU < 3 || lists.FileNU > FileSection::kCapacity) return "upper count out of range";
        if (lists.FileNL < 3 || lists.FileNL > FileSection::kCapacity) return "lower count out of range";
        if (!finiteSurface(lists.FileXU, lists.FileYU, lists.FileNU) ||
            !finiteSurface(lists.FileXL, lists.FileYL, lists.FileNL)) {
            return "non-finite coordinate";
        }
    }
    return {};
}

// Characters that matter to the readers, so mutations hit the interesting paths.
const char kSignificant[] = ",\n\r \t\"-+.eED0123456789";

std::string mutate(std::string text, std::mt19937& rng) {
    auto pick = [&rng](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    int edits = 1 + static_cast<int>(pick(8));
    for (int e = 0; e < edits; ++e) {
        std::size_t at = text.empty() ? 0 : pick(text.size() + 1);
        switch (pick(7)) {
            case 0:
                if (!text.empty()) text[pick(text.size())] = static_cast<char>(pick(256));
                break;
            case 1:
                text.insert(at, 1, kSignificant[pick(sizeof kSignificant - 1)]);
                break;
            case 2:
                text.erase(at, pick(40));
                break;
            case 3:
                text.insert(at, text.substr(pick(text.size() + 1), pick(200)));
                break;
            case 4:
                text.insert(at, pick(2) ? "99999999" : "-7");
                break;
            case 5:
                text.insert(at, pick(2) ? "1e38," : "\n\n,,\"x, y\"\n");
                break;
            case 6:
                text.resize(at);
                break;
        }
    }
    return text;
}

std::vector<std::string> seedFiles() {
    std::string small = "W\n3\n0,0\n0.5,0.1\n1,0\n3\n0,0\n0.5,-0.1\n1,0\n";
    std::string lednicer = "L\n3. 3.\n\n0 0\n0.5 0.1\n1 0\n\n0 0\n0.5 -0.1\n1 0\n";
    std::string selig = "S\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n";
    return {test::readFile(test::dataPath("reference/karman_trefftz/KT_cambered.txt")),
            test::readFile(test::dataPath("reference/karman_trefftz/KT_cambered_selig.dat")), small, lednicer,
            selig};
}

TEST(ReadAirfoilFuzz, MutatedFilesKeepEveryPromise) {
    const std::vector<std::string> seeds = seedFiles();
    for (const std::string& seed : seeds) ASSERT_EQ(brokenPromise(seed), "");
    int successes = 0;
    constexpr int kIterations = 2500;
    for (unsigned seedNumber = 1; seedNumber <= 4; ++seedNumber) {
        std::mt19937 rng(seedNumber);
        for (int iteration = 0; iteration < kIterations; ++iteration) {
            const std::string& seed = seeds[static_cast<std::size_t>(iteration) % seeds.size()];
            std::string text = mutate(seed, rng);
            std::string broken = brokenPromise(text, &successes);
            ASSERT_EQ(broken, "") << "seed " << seedNumber << " iteration " << iteration;
        }
    }
    // Both sides of the promise are exercised: many mutants still read, many
    // do not (a stray digit that throws a point across the contour makes it
    // cross itself, and such a file is refused).
    EXPECT_GT(successes, 4 * kIterations / 25);
    EXPECT_LT(successes, 4 * kIterations * 9 / 10);
}

TEST(ReadAirfoilFuzz, RandomBytesKeepEveryPromise) {
    std::mt19937 rng(20240611u);
    std::uniform_int_distribution<int> length(0, 3000);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> significant(0, sizeof kSignificant - 2);
    for (int iteration = 0; iteration < 600; ++iteration) {
        std::string text(static_cast<std::size_t>(length(rng)), '\0');
        // Half the inputs draw only from the characters the readers care about.
        bool textual = iteration % 2 == 0;
        for (char& c : text) c = textual ? kSignificant[significant(rng)] : static_cast<char>(byte(rng));
        ASSERT_EQ(brokenPromise(text), "") << "iteration " << iteration;
    }
}

// One point of a real file thrown far off (a lost decimal point, a slipped
// exponent): whatever the point and the direction, the file is refused and the
// reason names that point.
TEST(ReadAirfoilFuzz, APointThrownFarOffIsNamed) {
    const std::string files[] = {"reference/karman_trefftz/KT_cambered_selig.dat", "sections/ag24.dat",
                                 "sections/naca642415.dat", "sections/b707b.dat", "sections/oa209.dat"};
    std::mt19937 rng(777u);
    for (const std::string& file : files) {
        const std::string text = test::readFile(test::dataPath(file));
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
            end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            lines.push_back(text.substr(start, end - start));
        }
        while (!lines.empty() && lines.back().find_first_not_of(" \r\t") == std::string::npos)
            lines.pop_back();
        const int points = static_cast<int>(lines.size()) - 1;
        for (int trial = 0; trial < 40; ++trial) {
            const int k = std::uniform_int_distribution<int>(1, points)(rng);
            const double angle = std::uniform_real_distribution<double>(0.0, 2.0 * M_PI)(rng);
            const double far = std::pow(10.0, std::uniform_real_distribution<double>(1.0, 4.5)(rng));
            double x = 0.0, y = 0.0;
            ASSERT_EQ(std::sscanf(lines[static_cast<std::size_t>(k)].c_str(), "%lf %lf", &x, &y), 2) << file;
            std::vector<std::string> moved = lines;
            char line[64];
            std::snprintf(line, sizeof line, "%.6f %.6f", x + far * std::cos(angle),
                          y + far * std::sin(angle));
            moved[static_cast<std::size_t>(k)] = line;
            std::string movedText;
            for (const std::string& l : moved) movedText += l + "\n";
            std::string name = "caller";
            FileSection lists;
            const ReadAirfoilResult r = readAirfoilText(movedText, name, lists);
            EXPECT_FALSE(r.ok) << file << " point " << k << " moved " << far;
            EXPECT_NE(r.reason.find("point " + std::to_string(k) + " "), std::string::npos)
                << file << " point " << k << " moved " << far << ": " << r.reason;
        }
    }
}

}  // namespace
}  // namespace aerolune
