#pragma once
// What the status line says about the item under the pointer: one sentence
// for every menu item and every picture-bar button, telling a user what it
// does before they choose it.

#include <QString>

namespace aerolune::ui {

/// The sentence for a menu item or menu by its table name; empty for a name
/// that has none (a separator).
QString menuStatusSentence(const QString& itemName);

/// The picture-bar button's command, as its tooltip names it (0..5).
QString barButtonCommand(int index);
/// The sentence for a picture-bar button (0..5).
QString barButtonSentence(int index);

}  // namespace aerolune::ui
