#pragma once
// The main window's menu tree, in display order.

#include <span>

#include "ui/toolkit/MenuTable.h"

namespace aerolune::ui {

std::span<const MenuItemSpec> mainMenuTable();

}  // namespace aerolune::ui
