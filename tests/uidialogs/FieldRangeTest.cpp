// Every typed number of every settings dialog at both ends of its range and
// just beyond them: taken, brought into the range when the field clamps, or
// refused at OK with one message that names the field and its range while the
// dialog stays open.

#include <QApplication>
#include <QMessageBox>
#include <QSlider>
#include <QTimer>
#include <functional>
#include <memory>

#include "tests/uidialogs/DialogTestSupport.h"
#include "ui/AerodynamicsSettingsDialog.h"
#include "ui/AngleDialog.h"
#include "ui/FlapDialog.h"
#include "ui/MeshSettingsDialog.h"
#include "ui/Naca4Dialog.h"
#include "ui/Naca5Dialog.h"

namespace aerolune {
namespace {

std::unique_ptr<QDialog> makeDialog(const std::string& name, AppState& state) {
    if (name == "angle") return std::make_unique<ui::AngleDialog>(state, nullptr);
    if (name == "flap") return std::make_unique<ui::FlapDialog>(state, nullptr);
    if (name == "settings") return std::make_unique<ui::AerodynamicsSettingsDialog>(state, nullptr);
    if (name == "mesh") return std::make_unique<ui::MeshSettingsDialog>(state, nullptr);
    if (name == "naca4") return std::make_unique<ui::Naca4Dialog>(state, nullptr);
    state.shared.Naca5CamberPos = int16_t{20};
    return std::make_unique<ui::Naca5Dialog>(state, nullptr);
}

// A field by name: a line edit, or the editor of an editable list.
QLineEdit* typedField(const QDialog& dialog, const char* name) {
    if (auto* list = dialog.findChild<QComboBox*>(name)) return list->lineEdit();
    return test::control<QLineEdit>(dialog, name);
}

// Presses OK and answers every message box it opens; returns their texts.
QStringList pressOkCollectingMessages(QDialog& dialog) {
    QStringList messages;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&messages] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->text();
            box->accept();
        }
    });
    answer.start();
    test::press(dialog, "ok");
    return messages;
}

struct RangeCase {
    const char* dialog;
    const char* field;
    const char* typed;
    const char* taken;  ///< the field's text after OK; null: refused with a message
    const char* range;  ///< what the message says of the range
};

// Ranges from the dialogs' sliders and lists (angle, flap, digits), the
// shared quantity rules (Reynolds number) and the mesh routines' working sizes.
const RangeCase kCases[] = {
    {"angle", "angleField", "-20", "-20", ""},
    {"angle", "angleField", "20", "20", ""},
    {"angle", "angleField", "-20.5", nullptr, "from -20 to 20 degrees"},
    {"angle", "angleField", "20.01", nullptr, "from -20 to 20 degrees"},
    {"angle", "angleField", "1e9", nullptr, "from -20 to 20 degrees"},
    {"angle", "angleField", "abc", nullptr, "from -20 to 20 degrees"},
    {"flap", "flapLengthField", "0", "0", ""},
    {"flap", "flapLengthField", "50", "50", ""},
    {"flap", "flapLengthField", "-5", "0", ""},
    {"flap", "flapLengthField", "60", "50", ""},
    {"flap", "flapLengthField", "abc", nullptr, "the flap length must be a number from 0 to 50"},
    {"flap", "flapDeflectionField", "-30", "-30", ""},
    {"flap", "flapDeflectionField", "30", "30", ""},
    {"flap", "flapDeflectionField", "-31", "-30", ""},
    {"flap", "flapDeflectionField", "31", "30", ""},
    {"flap", "flapDeflectionField", "", nullptr, "the flap deflection must be a number from -30 to 30"},
    {"settings", "reynoldsField", "1000", "1000", ""},
    {"settings", "reynoldsField", "1e9", "1e9", ""},
    {"settings", "reynoldsField", "999", nullptr, "the Reynolds number must be a number from 1000 to"},
    {"settings", "reynoldsField", "1.1e9", nullptr, "the Reynolds number must be"},
    {"settings", "reynoldsField", "3,000,000", nullptr, "the Reynolds number must be"},
    {"settings", "reynoldsField", "abc", nullptr, "the Reynolds number must be"},
    {"settings", "roughnessField", "0", "0", ""},
    {"settings", "roughnessField", "0.05", "0.05", ""},
    {"settings", "roughnessField", "-0.001", nullptr, "the wall roughness must be a number from 0 to 0.05"},
    {"settings", "roughnessField", "0.06", nullptr, "the wall roughness must be"},
    {"mesh", "radialPointsList", "3", "3", ""},
    {"mesh", "radialPointsList", "1000", "1000", ""},
    {"mesh", "radialPointsList", "2", nullptr, "radial direction must be a number from 3 to 1000"},
    {"mesh", "radialPointsList", "1001", nullptr, "radial direction must be"},
    {"mesh", "outerRadiusList", "2", "2", ""},
    {"mesh", "outerRadiusList", "1000", "1000", ""},
    {"mesh", "outerRadiusList", "1.9", nullptr, "the outer circle radius must be a number from 2 to 1000"},
    {"mesh", "outerRadiusList", "1e9", nullptr, "the outer circle radius must be"},
    {"naca4", "camberField", "0", "0", ""},
    {"naca4", "camberField", "9", "9", ""},
    {"naca4", "camberField", "-", nullptr, "the maximum camber must be a number from 0 to 9"},
    {"naca4", "thicknessField", "1", "1", ""},
    {"naca4", "thicknessField", "30", "30", ""},
    {"naca4", "thicknessField", "0", "1", ""},
    {"naca4", "thicknessField", "31", "30", ""},
    {"naca4", "thicknessField", "ab", nullptr, "the section thickness must be a number from 1 to 30"},
    {"naca5", "camberPositionField", "10", "10", ""},
    {"naca5", "camberPositionField", "50", "50", ""},
    {"naca5", "camberPositionField", "9", "10", ""},
    {"naca5", "camberPositionField", "51", "50", ""},
    {"naca5", "camberPositionField", "x", nullptr, "camber must be a number from 10 to 50"},
    {"naca5", "thicknessField", "30", "30", ""},
    {"naca5", "thicknessField", "31", "30", ""},
};

TEST(DialogFields, EveryNumberAtBothEndsIsTakenClampedOrRefusedWithOneMessage) {
    for (const RangeCase& c : kCases) {
        SCOPED_TRACE(std::string(c.dialog) + " " + c.field + " \"" + c.typed + "\"");
        AppState state;
        const std::unique_ptr<QDialog> dialog = makeDialog(c.dialog, state);
        QLineEdit* field = typedField(*dialog, c.field);
        ASSERT_NE(field, nullptr);
        field->selectAll();
        field->insert(c.typed);
        const QStringList messages = pressOkCollectingMessages(*dialog);
        if (c.taken) {
            EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
            EXPECT_EQ(field->text().toStdString(), c.taken);
        } else {
            ASSERT_EQ(messages.size(), 1) << messages.join(" | ").toStdString();
            EXPECT_TRUE(messages[0].contains(c.range, Qt::CaseInsensitive)) << messages[0].toStdString();
            EXPECT_NE(dialog->result(), QDialog::Accepted);
            EXPECT_EQ(state.shared.DialogCancelled.toInt(), 0);
        }
    }
}

// A field that clamps lets a number be typed through its first digits: the
// range applies when the field is left, not on every key.
TEST(DialogFields, ClampingWaitsUntilTheFieldIsLeft) {
    const struct {
        const char* dialog;
        const char* field;
        const char* keys;
        const char* whileTyping;
        const char* afterLeaving;
    } cases[] = {{"naca5", "camberPositionField", "35", "35", "35"},
                 {"naca5", "camberPositionField", "3", "3", "10"},
                 {"flap", "flapDeflectionField", "-25", "-25", "-25"},
                 {"flap", "flapLengthField", "75", "75", "50"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.keys);
        AppState state;
        const std::unique_ptr<QDialog> dialog = makeDialog(c.dialog, state);
        QLineEdit* field = typedField(*dialog, c.field);
        field->selectAll();
        field->del();
        QTest::keyClicks(field, c.keys);
        EXPECT_EQ(field->text().toStdString(), c.whileTyping);
        emit field->editingFinished();
        EXPECT_EQ(field->text().toStdString(), c.afterLeaving);
    }
}

}  // namespace
}  // namespace aerolune
