#include "ui/toolkit/Fonts.h"

#include <QFont>

namespace aerolune::ui {

void installFontSubstitutes() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("MS Serif", "Liberation Serif");
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitution("Arial", "Liberation Sans");
}

}  // namespace aerolune::ui
