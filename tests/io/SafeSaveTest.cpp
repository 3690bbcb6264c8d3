// Saving: a file that cannot be written is never reported as saved, and a
// failed save leaves what stood there before untouched.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "io/AsciiFile.h"
#include "io/DxfFile.h"
#include "io/FileDialogTexts.h"
#include "io/IoTestSupport.h"

namespace aerolune {
namespace {

namespace fs = std::filesystem;

AppState coordinatesState() {
    AppState state;
    state.texts.sectionName = "2412";
    state.shared.TotalPoints = int16_t{4};
    state.section.nodeX = test::list({1.0f, 0.5f, 0.0f, 0.5f, 1.0f});
    state.section.nodeY = test::list({0.0f, -0.05f, 0.0f, 0.07f, 0.0f});
    return state;
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SafeSave, SavingTwiceGivesTheSameBytesAndNoLeftovers) {
    test::TempDir dir;
    const AppState state = coordinatesState();
    const std::string path = dir.file("2412.dat");
    ASSERT_TRUE(AsciiFile(state, path).ok);
    const std::string first = test::readFile(path);
    ASSERT_TRUE(AsciiFile(state, path).ok);
    EXPECT_EQ(test::readFile(path), first);
    EXPECT_EQ(first, asciiFileText(state).text);
    EXPECT_EQ(entriesIn(dir.path()), 1u);  // no temporary file left beside it

    const std::string dxf = dir.file("2412.dxf");
    ASSERT_TRUE(WriteDxfFile(dxf, state.section.nodeX, state.section.nodeY, 4).ok);
    const std::string firstDxf = test::readFile(dxf);
    ASSERT_TRUE(WriteDxfFile(dxf, state.section.nodeX, state.section.nodeY, 4).ok);
    EXPECT_EQ(test::readFile(dxf), firstDxf);
}

TEST(SafeSave, FailuresCarryTheFileAndLeaveTheOldFileAlone) {
    test::TempDir dir;
    const AppState state = coordinatesState();

    const std::string missingFolder = dir.file("no such folder/2412.dat");
    WriteResult missing = AsciiFile(state, missingFolder);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.reason.find(missingFolder), std::string::npos) << missing.reason;
    EXPECT_NE(missing.reason.find("No such file"), std::string::npos) << missing.reason;

    // An export that cannot be made (an odd point count) writes nothing.
    const std::string existing = dir.file("keep.dat");
    test::writeFile(existing, "good data\r\n");
    AppState odd = state;
    odd.shared.TotalPoints = int16_t{3};
    EXPECT_FALSE(AsciiFile(odd, existing).ok);
    EXPECT_EQ(test::readFile(existing), "good data\r\n");

    EXPECT_FALSE(AsciiFile(state, dir.path().string()).ok);  // a folder is not a file

    // A place no one may write to, even the superuser.
    WriteResult proc = writeFileReplacing("/proc/version", "x");
    EXPECT_FALSE(proc.ok);
    EXPECT_NE(test::readFile("/proc/version"), "x");
}

TEST(SafeSave, ReadOnlyFolderKeepsItsFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    test::TempDir dir;
    const std::string existing = dir.file("keep.dxf");
    test::writeFile(existing, "good drawing");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const AppState state = coordinatesState();
    WriteResult r = WriteDxfFile(existing, state.section.nodeX, state.section.nodeY, 4);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.reason.find("Permission denied"), std::string::npos) << r.reason;
    EXPECT_EQ(test::readFile(existing), "good drawing");
}

TEST(SafeSave, PermissionsOfNewAndExistingFiles) {
    test::TempDir dir;
    const std::string fresh = dir.file("new.dat");
    ASSERT_TRUE(writeFileReplacing(fresh, "a").ok);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(fresh).permissions()), 0666 & ~mask);

    const std::string own = dir.file("own.dat");
    test::writeFile(own, "b");
    fs::permissions(own, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeFileReplacing(own, "c").ok);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(test::readFile(own), "c");

    // Saving through a link replaces the file it points to and keeps the link.
    const std::string link = dir.file("link.dat");
    fs::create_symlink(own, link);
    ASSERT_TRUE(writeFileReplacing(link, "d").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readFile(own), "d");
}

TEST(SafeSave, TargetsThatAreNotFilesAreRefusedAndLeftAlone) {
    test::TempDir dir;
    struct Case {
        const char* what;
        std::string path;
        bool made;
        fs::file_type type;  // what stands there before and after
        const char* reason;
    };
    const std::string pipe = dir.file("pipe"), device = dir.file("null"), dangling = dir.file("dangling");
    const std::string loop = dir.file("loop");
    fs::create_symlink(dir.file("nowhere"), dangling);
    fs::create_symlink(loop, loop);
    const Case cases[] = {
        {"named pipe", pipe, ::mkfifo(pipe.c_str(), 0600) == 0, fs::file_type::fifo, "not a regular file"},
        // A copy of /dev/null: only the superuser may make one.
        {"device", device, ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0,
         fs::file_type::character, "not a regular file"},
        {"link to nothing", dangling, true, fs::file_type::symlink, "does not exist"},
        {"link to itself", loop, true, fs::file_type::symlink, "cannot be followed"},
    };
    for (const Case& c : cases) {
        if (!c.made) continue;
        const WriteResult r = writeFileReplacing(c.path, "data");
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_NE(r.reason.find(c.reason), std::string::npos) << c.what << ": " << r.reason;
        EXPECT_EQ(fs::symlink_status(c.path).type(), c.type) << c.what;
    }
    EXPECT_FALSE(fs::exists(dir.file("nowhere")));

    // Any name the system allows can be saved to: the temporary file's own
    // name is short.
    const std::string longName = dir.file(std::string(250, 'n') + ".dat");
    ASSERT_TRUE(writeFileReplacing(longName, "long").ok);
    EXPECT_EQ(test::readFile(longName), "long");
}

TEST(SafeSave, RemovesOnlyItsOwnTemporariesOlderThanADay) {
    test::TempDir dir;
    const auto now = fs::file_time_type::clock::now();
    const auto twoDaysAgo = now - std::chrono::hours(48);
    struct Leftover {
        const char* name;
        fs::file_time_type written;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".aerolune-save-Ab12Cd", twoDaysAgo, true},
        {".aerolune-save-Ab12Ce", now - std::chrono::hours(23), false},  // a save may still be running
        {".aerolune-save-Ab12C", twoDaysAgo, false},                     // not the writer's pattern
        {".aerolune-save-Ab12Cd7", twoDaysAgo, false},
        {".aerolune-save-Ab-2Cd", twoDaysAgo, false},
        {"aerolune-save-Ab12Cd", twoDaysAgo, false},
        {"report.txt", twoDaysAgo, false},
    };
    for (const Leftover& l : leftovers) {
        test::writeFile(dir.file(l.name), "leftover");
        fs::last_write_time(dir.file(l.name), l.written);
    }
    // A folder or a link with the pattern's name is not a file this writer made.
    fs::create_directory(dir.file(".aerolune-save-Dir123"));
    fs::last_write_time(dir.file(".aerolune-save-Dir123"), twoDaysAgo);
    fs::create_symlink("report.txt", dir.file(".aerolune-save-Lnk123"));

    ASSERT_TRUE(writeFileReplacing(dir.file("2412.dat"), "section").ok);
    for (const Leftover& l : leftovers) EXPECT_EQ(fs::exists(dir.file(l.name)), !l.removed) << l.name;
    EXPECT_TRUE(fs::is_directory(dir.file(".aerolune-save-Dir123")));
    EXPECT_TRUE(fs::is_symlink(dir.file(".aerolune-save-Lnk123")));
    EXPECT_EQ(entriesIn(dir.path()), std::size(leftovers) - 1 + 2 + 1);  // + folder, link, the saved file
}

TEST(FileDialogTexts, SaveTitlesFollowTheView) {
    struct Case {
        int32_t vflag;
        const char* title;
    };
    const Case cases[] = {
        {1, "Save 2412 Airfoil DATA"},
        {2, "Save Pressure Coefficient for 2412"},
        {3, "Save Velocity Distribution for 2412"},
        {6, "Save Mesh for 2412"},
        {7, "Save CFD Bounday Layer Solution"},
        {10, "Save CL-CD Polar"},
        {4, "previous title"},
        {9, "previous title"},
    };
    for (const Case& c : cases) EXPECT_EQ(saveAsciiDialogTitle(c.vflag, "2412", "previous title"), c.title);
    EXPECT_EQ(exportDxfDialogTitle("0012"), "Export NACA 0012 DXF File");
}

}  // namespace
}  // namespace aerolune
