#include "app/DisplayCommands.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/ExportPlotCommand.h"

namespace aerolune {

namespace {

int16_t& swatchColour(AppState& state, int swatch) {
    return swatch == 1 ? state.display.upperSurfaceColour : state.display.lowerSurfaceColour;
}

void setBackground(AppState& state, bool white) {
    state.texts.whiteBackgroundChecked = white;
    state.texts.blackBackgroundChecked = !white;
    state.display.foregroundColour = white ? 0 : 15;
    const int16_t invisible = white ? 15 : 0;
    for (int swatch : {0, 1}) {
        int16_t& c = swatchColour(state, swatch);
        if (c == invisible) c = state.display.foregroundColour;
    }
}

}  // namespace

void useWhiteBackground(AppState& state) { setBackground(state, true); }

void useBlackBackground(AppState& state) { setBackground(state, false); }

void swatchClick(AppState& state, int swatch) {
    int16_t& c = swatchColour(state, swatch);
    c = static_cast<int16_t>(c - 1);
    if (state.display.foregroundColour == 15) {
        if (c < 8) c = 15;
    } else if (c == 7) {
        c = 0;
    } else if (c < 0 || c > 14) {
        // -1 after black; a colour outside the white background's cycle
        // (15 left from the black background) rejoins it at the top.
        c = 14;
    }
}

int colourMenuValue(const AppState& state, ColourMenuItem item) {
    switch (item) {
        case ColourMenuItem::WhiteBlack:
            return state.display.foregroundColour;
        case ColourMenuItem::Yellow:
            return 14;
        case ColourMenuItem::Magenta:
            return 13;
        case ColourMenuItem::Red:
            return 12;
        case ColourMenuItem::Cyan:
            return 11;
        case ColourMenuItem::Green:
            return 10;
        case ColourMenuItem::Blue:
            return 9;
        case ColourMenuItem::Gray:
            return 8;
    }
    return state.display.foregroundColour;
}

void colourMenuChoice(AppState& state, int swatch, ColourMenuItem item) {
    swatchColour(state, swatch) = static_cast<int16_t>(colourMenuValue(state, item));
}

void toggleShowPoints(AppState& state) {
    const bool on = state.display.pointRadius == 0;
    state.display.pointRadius = on ? 0.007 : 0.0;
    state.texts.ShowPointsCaption = on ? "Hide Points" : "Show Points";
}

void copyPlot(const QImage& plotImage) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    clipboard->clear();
    clipboard->setImage(plotImage);
}

void registerDisplayCommands(CommandRegistry& registry) {
    auto thenRedraw = [](std::function<void(CommandContext&)> change) {
        return [change](CommandContext& c) {
            change(c);
            if (c.redraw) c.redraw();
        };
    };
    registry.commands["whiteBackground"] = thenRedraw([](CommandContext& c) { useWhiteBackground(c.state); });
    registry.commands["blackBackground"] = thenRedraw([](CommandContext& c) { useBlackBackground(c.state); });
    registry.commands["showPoints"] = thenRedraw([](CommandContext& c) { toggleShowPoints(c.state); });
    registry.commands["stepSwatchColour"] =
        thenRedraw([](CommandContext& c) { swatchClick(c.state, c.menus.colourMenuSwatch); });
    const std::pair<const char*, ColourMenuItem> items[] = {
        {"colourWhite", ColourMenuItem::WhiteBlack}, {"colourYellow", ColourMenuItem::Yellow},
        {"colourMagenta", ColourMenuItem::Magenta},  {"colourRed", ColourMenuItem::Red},
        {"colourCyan", ColourMenuItem::Cyan},        {"colourGreen", ColourMenuItem::Green},
        {"colourBlue", ColourMenuItem::Blue},        {"colourGray", ColourMenuItem::Gray}};
    for (const auto& [name, item] : items)
        registry.commands[name] = thenRedraw(
            [item = item](CommandContext& c) { colourMenuChoice(c.state, c.menus.colourMenuSwatch, item); });
    registry.commands["copy"] = [](CommandContext& c) {
        if (c.plotImage) copyPlot(c.plotImage());
    };
    registry.commands["exportPlot"] = [](CommandContext& c) {
        askAndExportPlot(c.state, c.window, c.plotImage ? c.plotImage().size() : QSize());
    };
}

}  // namespace aerolune
