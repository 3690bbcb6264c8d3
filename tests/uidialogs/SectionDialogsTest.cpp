// The section, angle and flap dialogs driven through their controls.

#include <QSlider>
#include <memory>

#include "tests/uidialogs/DialogTestSupport.h"
#include "ui/AngleDialog.h"
#include "ui/FlapDialog.h"
#include "ui/Naca4Dialog.h"
#include "ui/Naca5Dialog.h"

namespace aerolune {
namespace {

using test::control;
using test::enter;
using test::press;
using test::textOf;

// One user action on a digits dialog: a spin press on a row, or text entered in it.
struct Step {
    int row;   // 1..3
    int spin;  // +1 up, -1 down, 0 type `text`
    const char* text = "";
};

struct DigitsCase {
    const char* name;
    int family;                // 4 or 5
    std::array<int, 3> start;  // the three values the dialog opens with
    std::vector<Step> steps;
    const char* caption;  // frame caption afterwards
    std::array<const char*, 3> fields;
};

const DigitsCase kDigitsCases[] = {
    {"camber up sets a position", 4, {0, 0, 12}, {{1, +1}}, "NACA 1112", {"1", "1", "12"}},
    {"position down from 1 wraps when cambered", 4, {1, 1, 12}, {{2, -1}}, "NACA 1912", {"1", "9", "12"}},
    {"position down from 1 reaches 0 when symmetric",
     4,
     {0, 1, 12},
     {{2, -1}},
     "NACA 0012",
     {"0", "0", "12"}},
    {"position down from 0 wraps when symmetric", 4, {0, 0, 12}, {{2, -1}}, "NACA 0912", {"0", "9", "12"}},
    {"thin section keeps its leading zero", 4, {0, 0, 9}, {}, "NACA 0009", {"0", "0", "9"}},
    {"thickness wraps both ways",
     4,
     {0, 0, 30},
     {{3, +1}, {3, +1}, {3, -1}, {3, -1}},
     "NACA 0030",
     {"0", "0", "30"}},
    {"camber wraps down to 9 and gets a position", 4, {0, 0, 12}, {{1, -1}}, "NACA 9112", {"9", "1", "12"}},
    {"position wraps up to 0 only when symmetric", 4, {3, 9, 12}, {{2, +1}}, "NACA 3112", {"3", "1", "12"}},
    {"typed camber gives the position 1", 4, {0, 0, 12}, {{1, 0, "5"}}, "NACA 5112", {"5", "1", "12"}},
    {"typed thickness takes two characters", 4, {0, 0, 12}, {{3, 0, "156"}}, "NACA 0015", {"0", "0", "15"}},
    {"typed thickness above 30", 4, {0, 0, 12}, {{3, 0, "45"}}, "NACA 0030", {"0", "0", "30"}},
    {"typed position 0 while cambered", 4, {2, 4, 12}, {{2, 0, "0"}}, "NACA 2112", {"2", "1", "12"}},
    {"five-digit position up from 50 wraps", 5, {2, 50, 12}, {{2, +1}}, "NACA 21012", {"2", "10", "12"}},
    {"five-digit position down from 10 wraps", 5, {2, 10, 12}, {{2, -1}}, "NACA 25012", {"2", "50", "12"}},
    {"five-digit typed 35 is kept", 5, {2, 30, 12}, {{2, 0, "35"}}, "NACA 23512", {"2", "35", "12"}},
    {"five-digit typed position is held to 10..50",
     5,
     {2, 30, 12},
     {{2, 0, "75"}},
     "NACA 25012",
     {"2", "50", "12"}},
    {"five-digit thickness wraps", 5, {2, 30, 1}, {{3, -1}}, "NACA 23030", {"2", "30", "30"}},
};

// The object-name stem of a row's field and spin button.
std::string rowName(int family, int row) {
    const char* const names[] = {family == 4 ? "camber" : "designLift", "camberPosition", "thickness"};
    return names[row - 1];
}

std::unique_ptr<ui::NacaDigitsDialog> openDigits(AppState& state, int family, const std::array<int, 3>& v) {
    SharedSettings& s = state.shared;
    if (family == 4) {
        s.Naca4Camber = int16_t(v[0]), s.Naca4CamberPos = int16_t(v[1]), s.Naca4Thickness = int16_t(v[2]);
        return std::make_unique<ui::Naca4Dialog>(state, nullptr);
    }
    s.Naca5LiftDigit = int16_t(v[0]), s.Naca5CamberPos = int16_t(v[1]), s.Naca5Thickness = int16_t(v[2]);
    return std::make_unique<ui::Naca5Dialog>(state, nullptr);
}

TEST(DigitsDialogs, SpinsAndTypedDigitsFollowTheirRules) {
    for (const DigitsCase& c : kDigitsCases) {
        SCOPED_TRACE(c.name);
        AppState state;
        auto dialog = openDigits(state, c.family, c.start);
        for (const Step& step : c.steps) {
            const std::string spinName = rowName(c.family, step.row) + "Spin";
            const std::string fieldName = rowName(c.family, step.row) + "Field";
            if (step.spin != 0)
                test::spin(*dialog, spinName.c_str(), step.spin > 0);
            else {
                enter(*dialog, fieldName.c_str(), step.text);
                emit control<QLineEdit>(*dialog, fieldName.c_str())->editingFinished();  // the user moves on
            }
        }
        EXPECT_EQ(control<ui::Frame>(*dialog, "designationFrame")->title(), c.caption);
        for (int row = 0; row < 3; ++row) {
            const std::string fieldName = rowName(c.family, row + 1) + "Field";
            EXPECT_EQ(textOf(*dialog, fieldName.c_str()), c.fields[row]) << fieldName;
        }
        press(*dialog, "ok");
        EXPECT_EQ(state.texts.sectionName, std::string(c.caption).substr(5));
        EXPECT_EQ(state.shared.SectionFamily.toInt(), c.family);
        EXPECT_EQ(state.shared.DialogCancelled.toInt(), 0);
    }
}

TEST(DigitsDialogs, CancelAfterSpinsKeepsTheSectionItOpenedWith) {
    for (int family : {4, 5}) {
        SCOPED_TRACE(family);
        AppState state;
        state.shared.SectionFamily = int16_t(family == 4 ? 5 : 4);
        const SharedSettings before = state.shared;
        const std::string text1 = state.texts.sectionName;
        auto dialog = family == 4
                          ? std::unique_ptr<ui::NacaDigitsDialog>(new ui::Naca4Dialog(state, nullptr))
                          : std::unique_ptr<ui::NacaDigitsDialog>(new ui::Naca5Dialog(state, nullptr));
        for (int i = 0; i < 3; ++i) test::spin(*dialog, "camberPositionSpin", true);
        test::spin(*dialog, "thicknessSpin", false);
        enter(*dialog, "thicknessField", "21");
        press(*dialog, "cancel");
        EXPECT_EQ(state.shared.DialogCancelled.toInt(), 1);
        state.shared.DialogCancelled = before.DialogCancelled;
        const SharedSettings& s = state.shared;
        EXPECT_TRUE(s.Naca4Camber == before.Naca4Camber && s.Naca4CamberPos == before.Naca4CamberPos &&
                    s.Naca4Thickness == before.Naca4Thickness && s.SectionFamily == before.SectionFamily);
        // An unset five-digit position stays unset.
        EXPECT_TRUE(s.Naca5CamberPos == before.Naca5CamberPos && s.Naca5Thickness == before.Naca5Thickness);
        EXPECT_EQ(state.texts.sectionName, text1);
    }
}

TEST(DigitsDialogs, FiveDigitLiftIsShownButNotEditableAndAnUnsetPositionOpensAt10) {
    AppState state;  // Naca5CamberPos is unset at start
    ui::Naca5Dialog dialog(state, nullptr);
    EXPECT_FALSE(control<QLineEdit>(dialog, "designLiftField")->isEnabled());
    EXPECT_FALSE(control(dialog, "designLiftSpin")->isEnabled());
    EXPECT_EQ(control<ui::Frame>(dialog, "designationFrame")->title(), "NACA 21008");
}

TEST(AngleDialog, SliderFollowsTheTextAndOkKeepsTheTextAsTyped) {
    struct Case {
        const char* opening;  // the angle text when the dialog opens
        const char* typed;    // entered in the angle field, or null
        int slid;             // slider moved here when no text is typed
        int slider;           // slider position afterwards
        const char* text2;    // the angle text after OK
    };
    const Case cases[] = {
        {"0", "19.6", 0, 20, "19.6"}, {"0", "-12.5", 0, -13, "-12.5"}, {"4.5", nullptr, 99, 5, "4.5"},
        {"3", nullptr, -7, -7, "-7"}, {"0", " 2", 0, 2, " 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.opening) + " / " + (c.typed ? c.typed : "slid"));
        AppState state;
        state.texts.angleText = c.opening;
        ui::AngleDialog dialog(state, nullptr);
        EXPECT_EQ(textOf(dialog, "angleField").toStdString(), c.opening);
        QSlider* slider = control<QSlider>(dialog, "angleSlider");
        if (c.typed)
            enter(dialog, "angleField", c.typed);
        else if (c.slid != 99)
            slider->setValue(c.slid);
        EXPECT_EQ(slider->value(), c.slider);
        press(dialog, "ok");
        EXPECT_EQ(state.texts.angleText, c.text2);
    }
    AppState state;
    ui::AngleDialog dialog(state, nullptr);
    enter(dialog, "angleField", "12");
    press(dialog, "cancel");
    EXPECT_EQ(state.texts.angleText, "0");
    EXPECT_EQ(state.shared.DialogCancelled.toInt(), 1);
}

TEST(FlapDialog, FieldsAreHeldToTheSlidersRangesAtOkAndOkUpdatesTheReadOuts) {
    // The read-out shows the value taken, in the start-up's "0.0 Deg." form,
    // not the typed text ("1e1 Deg." or "0 Deg." after OK on an unchanged flap).
    struct Case {
        const char* field;
        const char* typed;
        const char* shown;
        const char* slider;
        int position;
        double value;
        const char* readout;
    };
    const Case cases[] = {
        {"flapDeflectionField", "-40", "-40", "flapDeflectionSlider", -30, -30, "-30.0 Deg."},
        {"flapLengthField", "60", "60", "flapLengthSlider", 50, 50, "50.0 %c"},
        {"flapLengthField", "-5", "-5", "flapLengthSlider", 0, 0, "0.0 %c"},
        {"flapDeflectionField", "31", "31", "flapDeflectionSlider", 30, 30, "30.0 Deg."},
        {"flapLengthField", "12.5", "12.5", "flapLengthSlider", 13, 12.5, "12.5 %c"},
        {"flapDeflectionField", "1e1", "1e1", "flapDeflectionSlider", 10, 10, "10.0 Deg."},
        {"flapDeflectionField", "0", "0", "flapDeflectionSlider", 0, 0, "0.0 Deg."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        AppState state;
        ui::FlapDialog dialog(state, nullptr);
        enter(dialog, c.field, c.typed);
        EXPECT_EQ(textOf(dialog, c.field), c.shown);
        EXPECT_EQ(control<QSlider>(dialog, c.slider)->value(), c.position);
        press(dialog, "ok");
        const bool length = std::string(c.field) == "flapLengthField";
        EXPECT_EQ((length ? state.shared.FlapLength : state.shared.FlapDeflection).toDouble(), c.value);
        EXPECT_EQ(length ? state.texts.flapLength : state.texts.flapDeflection, c.readout);
    }
}

// Cancel keeps nothing the fields wrote while the user typed or slid: the next
// recomputation analyses the flap the read-outs show.
TEST(FlapDialog, CancelKeepsTheValuesTheDialogOpenedWith) {
    AppState state;
    state.shared.FlapLength = int16_t{20};
    state.shared.FlapDeflection = int16_t{5};
    state.texts.flapDeflection = "5 Deg.";
    state.texts.flapLength = "20 %c";
    ui::FlapDialog dialog(state, nullptr);
    EXPECT_EQ(control<QSlider>(dialog, "flapLengthSlider")->value(), 20);
    control<QSlider>(dialog, "flapLengthSlider")->setValue(40);
    enter(dialog, "flapDeflectionField", "-25");
    press(dialog, "cancel");
    EXPECT_EQ(state.shared.FlapLength.toDouble(), 20.0);
    EXPECT_EQ(state.shared.FlapDeflection.toDouble(), 5.0);
    EXPECT_EQ(state.texts.flapDeflection, "5 Deg.");
    EXPECT_EQ(state.texts.flapLength, "20 %c");
    EXPECT_EQ(state.shared.DialogCancelled.toInt(), 1);
}

TEST(SectionDialogs, HelpButtonsAskForTheirContexts) {
    AppState state;
    const std::pair<std::unique_ptr<ui::SettingsDialog>, int> dialogs[] = {
        {std::make_unique<ui::Naca4Dialog>(state, nullptr), 20},
        {std::make_unique<ui::Naca5Dialog>(state, nullptr), 30},
        {std::make_unique<ui::AngleDialog>(state, nullptr), 90},
        {std::make_unique<ui::FlapDialog>(state, nullptr), 50},
    };
    for (const auto& [dialog, context] : dialogs) {
        int asked = 0;
        dialog->onHelp = [&asked](int c) { asked = c; };
        press(*dialog, "help");
        EXPECT_EQ(asked, context) << dialog->objectName().toStdString();
    }
}

}  // namespace
}  // namespace aerolune
