// The template dialog: its caption and starting fields, the tip chord that
// only a tapered wing uses, and what OK and Cancel hand on.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/RibTemplateDialog.h"

namespace aerolune::ui {
namespace {

template <class W>
W* child(QWidget& form, const char* name) {
    W* w = form.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(RibTemplateDialog, OpensWithTheSectionInItsCaptionAndTheStartingFields) {
    RibTemplateDialog form("2412", nullptr);
    EXPECT_EQ(form.windowTitle(), "Print NACA 2412 Template");
    const print::TemplateFields f = form.fields();
    EXPECT_EQ(f.rootChord, "6");
    EXPECT_EQ(f.tipChord, "6");
    EXPECT_EQ(f.skin, "0");
    EXPECT_EQ(f.sections, "1");
    EXPECT_FALSE(f.centimetres);
    EXPECT_TRUE(child<QRadioButton>(form, "inchesOption")->isChecked());
}

TEST(RibTemplateDialog, TipChordOnlyForMoreThanOneRib) {
    RibTemplateDialog form("0012", nullptr);
    QLineEdit* sections = child<QLineEdit>(form, "sectionCountField");
    QLineEdit* tip = child<QLineEdit>(form, "tipChordField");
    const std::pair<const char*, bool> cases[] = {{"1", false},      {"3", true}, {"1.0", false},
                                                  {" 1 rib", false}, {"", true},  {"0", true}};
    for (const auto& [text, enabled] : cases) {
        sections->setText(text);
        EXPECT_EQ(tip->isEnabled(), enabled) << text;
    }
}

TEST(RibTemplateDialog, OkHandsTheFieldsOnAndClosesOnlyWhenDone) {
    struct Case {
        bool handlerCloses;
        int result;
    } cases[] = {{true, QDialog::Accepted}, {false, QDialog::Rejected}};
    for (const Case& c : cases) {
        RibTemplateDialog form("0012", nullptr);
        form.setResult(QDialog::Rejected);
        print::TemplateFields seen;
        int calls = 0;
        form.setPrintHandler([&](const print::TemplateFields& f) {
            seen = f;
            ++calls;
            return c.handlerCloses;
        });
        child<QLineEdit>(form, "rootChordField")->setText("12.5");
        child<QRadioButton>(form, "centimetresOption")->setChecked(true);
        child<QPushButton>(form, "ok")->click();
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(seen.rootChord, "12.5");
        EXPECT_TRUE(seen.centimetres);
        EXPECT_EQ(form.result(), c.result);

        child<QPushButton>(form, "cancel")->click();  // Cancel prints nothing
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
}

}  // namespace
}  // namespace aerolune::ui
