#pragma once
// Driving the settings dialogs through their controls, found by object name.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace aerolune::test {

template <typename T = QWidget>
T* control(const QWidget& dialog, const char* name) {
    T* c = dialog.findChild<T*>(name);
    if (c == nullptr) ADD_FAILURE() << "no control " << name << " in " << dialog.objectName().toStdString();
    return c;
}

/// Replaces a field's text as a user does by selecting it and typing over it
/// in one go (typing key by key would run the dialog's rules on every key).
inline void enter(const QWidget& dialog, const char* field, const QString& text) {
    QLineEdit* e = control<QLineEdit>(dialog, field);
    e->selectAll();
    e->insert(text);
}

inline QString textOf(const QWidget& dialog, const char* field) {
    return control<QLineEdit>(dialog, field)->text();
}

inline void press(const QWidget& dialog, const char* button) {
    QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

/// One press of a spin button's up or down arrow.
inline void spin(const QWidget& dialog, const char* spinButton, bool up) {
    QWidget* s = control(dialog, spinButton);
    QTest::mouseClick(s->findChild<QToolButton*>(up ? "up" : "down"), Qt::LeftButton);
}

/// Picks a list entry by its text, as a user does from the drop-down.
inline void choose(const QWidget& dialog, const char* list, const QString& entry) {
    QComboBox* c = control<QComboBox>(dialog, list);
    const int index = c->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    c->setCurrentIndex(index);
}

/// Types into an editable combo.
inline void typeInto(const QWidget& dialog, const char* list, const QString& text) {
    QComboBox* c = control<QComboBox>(dialog, list);
    c->lineEdit()->selectAll();
    c->lineEdit()->insert(text);
}

}  // namespace aerolune::test
