// What the settings and file commands do around their dialogs: refused
// designations, mesh sizes stored as used, and file commands that say why
// they failed.

#include <QApplication>
#include <QFileInfo>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "app/DialogCommands.h"
#include "app/FileCommands.h"
#include "io/FileDialogTexts.h"
#include "support/NacaBuild.h"
#include "tests/uidialogs/DialogTestSupport.h"

namespace aerolune {
namespace {

using test::enter;
using test::press;

// Runs drive on the modal dialog as soon as its event loop runs.
void whenModal(std::function<void(QWidget&)> drive) {
    QTimer::singleShot(0, [drive] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        drive(*dialog);
    });
}

struct Opened {
    bool accepted;
    std::vector<std::string> messages;
};

Opened open(const std::string& dialog, AppState& state, std::function<void(QWidget&)> drive) {
    Opened result{false, {}};
    whenModal(std::move(drive));
    result.accepted = openSettingsDialog(dialog, state, nullptr, nullptr,
                                         [&result](const std::string& m) { result.messages.push_back(m); });
    return result;
}

// The builder would silently build another section for these (the third
// five-digit digit is dropped: 23512 would be drawn and analysed as 23012);
// the command refuses them instead.
TEST(SectionCommands, DesignationsTheBuilderCannotMakeAreRefusedAndTheSectionKept) {
    struct Case {
        const char* dialog;
        std::function<void(QWidget&)> drive;
        const char* digits;  // named in the message, or "" when the section is built
    };
    const Case cases[] = {
        {"Naca5Dialog", [](QWidget& d) { enter(d, "camberPositionField", "35"); }, "35"},
        {"Naca5Dialog", [](QWidget& d) { enter(d, "camberPositionField", "20"); }, ""},
        {"Naca5Dialog", [](QWidget& d) { enter(d, "camberPositionField", "45"); }, "45"},
        {"Naca4Dialog",
         [](QWidget& d) {
             enter(d, "camberField", "2");
             test::spin(d, "camberPositionSpin", false);
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.dialog) + " " + c.digits);
        AppState state;
        const std::string before = state.texts.sectionName;
        const SharedSettings shared = state.shared;
        const Opened o = open(c.dialog, state, [&c](QWidget& d) {
            c.drive(d);
            press(d, "ok");
        });
        if (*c.digits == '\0') {
            EXPECT_TRUE(o.accepted);
            EXPECT_TRUE(o.messages.empty());
            EXPECT_NE(state.texts.sectionName, before);
            continue;
        }
        EXPECT_FALSE(o.accepted);
        ASSERT_EQ(o.messages.size(), 1u);
        EXPECT_NE(o.messages[0].find(c.digits), std::string::npos) << o.messages[0];
        EXPECT_EQ(state.texts.sectionName, before);
        EXPECT_TRUE(state.shared.SectionFamily == shared.SectionFamily &&
                    state.shared.Naca5CamberPos == shared.Naca5CamberPos &&
                    state.shared.Naca4Camber == shared.Naca4Camber);
    }
}

TEST(SectionCommands, DesignationProblemNamesTheDigits) {
    struct Case {
        int family, a, b, thickness;
        const char* named;
    };
    const Case cases[] = {{4, 2, 4, 12, ""},          {4, 0, 0, 0, "00"}, {4, 0, 0, 31, "31"},
                          {4, 9, 0, 12, "NACA 9012"}, {5, 2, 30, 12, ""}, {5, 2, 35, 12, "35"},
                          {5, 2, 60, 12, "60"},       {5, 2, 30, 0, "00"}};
    for (const Case& c : cases) {
        SharedSettings s;
        s.SectionFamily = int16_t(c.family);
        (c.family == 4 ? s.Naca4Camber : s.Naca5LiftDigit) = int16_t(c.a);
        (c.family == 4 ? s.Naca4CamberPos : s.Naca5CamberPos) = int16_t(c.b);
        (c.family == 4 ? s.Naca4Thickness : s.Naca5Thickness) = int16_t(c.thickness);
        const std::string problem = designationProblem(s);
        if (*c.named == '\0')
            EXPECT_EQ(problem, "");
        else
            EXPECT_NE(problem.find(c.named), std::string::npos) << problem;
    }
}

// Typed sizes are stored as the mesh uses them, not as typed (0 for "abc"),
// so the dialog shows what was used.
TEST(MeshCommand, TypedSizesAreStoredAsTheMeshUsesThem) {
    struct Case {
        const char* radial;
        const char* radius;
        const char* shownRadial;
        const char* shownRadius;
    };
    const Case cases[] = {{"35", "8", "35", "8"}, {"3", "2", "3", "2"}, {"40.6", "12.5", "41", "12.5"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radial);
        AppState state;  // no solved contour: the section counts as one chord
        const Opened o = open("MeshSettingsDialog", state, [&c](QWidget& d) {
            test::typeInto(d, "radialPointsList", c.radial);
            test::typeInto(d, "outerRadiusList", c.radius);
            press(d, "ok");
        });
        EXPECT_TRUE(o.accepted);
        const Opened again = open("MeshSettingsDialog", state, [&c](QWidget& d) {
            EXPECT_EQ(test::control<QComboBox>(d, "radialPointsList")->currentText(), c.shownRadial);
            EXPECT_EQ(test::control<QComboBox>(d, "outerRadiusList")->currentText(), c.shownRadius);
            press(d, "cancel");
        });
        EXPECT_FALSE(again.accepted);
    }
}

// A stand-in for the window: the file dialog answers from a list, messages
// and recomputations are counted.
struct FakeWindow {
    std::vector<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> asked;
    std::vector<std::string> messages;
    int recomputes = 0;

    FileCommandContext context() {
        return {[this](const FileDialogRequest& r) {
                    asked.push_back(r);
                    auto a = answers.front();
                    answers.erase(answers.begin());
                    return a;
                },
                [this](const std::string& m) { messages.push_back(m); }, [this] { ++recomputes; }};
    }
};

TEST(FileCommands, FailuresAreShownWithTheFileAndTheReasonAndNothingChanges) {
    QTemporaryDir dir;
    const std::string missingFolder = dir.filePath("no-such-folder/out.dat").toStdString();
    const std::string garbage = dir.filePath("garbage.dat").toStdString();
    std::ofstream(garbage) << "not a section\n";
    struct Case {
        const char* what;
        std::function<void(AppState&, FileDialogMemory&, const FileCommandContext&)> command;
        std::string file;
        const char* starts;
    };
    const Case cases[] = {
        {"save", saveViewData, missingFolder, ""},
        {"dxf", exportDxf, missingFolder, ""},
        {"open missing", openCoordinateFile, dir.filePath("absent.dat").toStdString(), kReadAirfoilError},
        {"open garbage", openCoordinateFile, garbage, kReadAirfoilError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppState state;
        state.section.nodeX.resize(121);
        state.section.nodeY.resize(121);
        FakeWindow window;
        window.answers = {c.file};
        FileDialogMemory memory;
        c.command(state, memory, window.context());
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].rfind(c.starts, 0), 0u) << window.messages[0];
        EXPECT_NE(window.messages[0].find(c.file), std::string::npos) << window.messages[0];
        EXPECT_EQ(window.recomputes, 0);
        EXPECT_EQ(state.texts.sectionName, "0012");
        EXPECT_EQ(state.section.fromFile, 0);
    }
}

TEST(FileCommands, ANameTypedWithoutAnExtensionGetsTheFiltersOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const test::NacaBuild naca = test::buildNaca(12, 0.0f, 60);
    struct Case {
        std::function<void(AppState&, FileDialogMemory&, const FileCommandContext&)> command;
        const char* typed;
        const char* written;
    };
    const Case cases[] = {{saveViewData, "section", "section.dat"},
                          {saveViewData, "section.txt", "section.txt"},
                          {exportDxf, "wing", "wing.dxf"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        AppState state;
        state.display.view = 1;
        state.section.nodeX = naca.nodeX;
        state.section.nodeY = naca.nodeY;
        FakeWindow window;
        window.answers = {dir.filePath(c.typed).toStdString()};
        FileDialogMemory memory;
        c.command(state, memory, window.context());
        EXPECT_TRUE(window.messages.empty()) << window.messages.front();
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(c.written)));
    }
}

TEST(FileCommands, DialogsAreSetUpByCommandAndViewAndCancelEndsSilently) {
    AppState state;
    state.texts.sectionName = "2412";
    FakeWindow window;
    FileDialogMemory memory;
    window.answers = {std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    state.display.view = 3;
    saveViewData(state, memory, window.context());
    state.display.view = 9;  // no data: says so without a dialog
    saveViewData(state, memory, window.context());
    exportDxf(state, memory, window.context());
    openCoordinateFile(state, memory, window.context());
    EXPECT_EQ(state.shared.DialogCancelled.toInt(), 1);

    ASSERT_EQ(window.asked.size(), 3u);
    EXPECT_EQ(window.asked[0].title, "Save Velocity Distribution for 2412");
    EXPECT_TRUE(window.asked[0].save);
    EXPECT_EQ(window.asked[0].filterIndex, kAsciiFilterIndex);
    EXPECT_EQ(window.asked[1].title, "Export NACA 2412 DXF File");
    EXPECT_EQ(window.asked[1].filterIndex, kDxfFilterIndex);
    EXPECT_EQ(window.asked[2].title, kReadAirfoilDialogTitle);
    EXPECT_FALSE(window.asked[2].save);
    EXPECT_TRUE(window.asked[2].fileName.ends_with("/*.dat"));
    ASSERT_EQ(window.messages.size(), 1u);  // the view without data
    EXPECT_EQ(window.recomputes, 0);
    for (int v = 1; v <= 10; ++v) EXPECT_EQ(air1EnabledForView(v), v != 4 && v != 5 && v != 8 && v != 9) << v;
}

}  // namespace
}  // namespace aerolune
