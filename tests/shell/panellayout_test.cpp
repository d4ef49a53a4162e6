// The panel switching as a plain engine: command sequences in, the whole arrangement out.
#include "shell/panellayout.h"

#include "core/calculator.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

// "A" arrow, "L" letter, "0".."3" a side panel's menu item, "T" Tape, "G" graph, "W" converter.
Layout play(PanelLayout& layout, const std::string& commands) {
    Layout last = layout.current();
    for (char c : commands) {
        switch (c) {
        case 'A': last = layout.ArrowClicked(); break;
        case 'L': last = layout.LetterClicked(); break;
        case 'T': last = layout.ToggleTape(); break;
        case 'G': last = layout.ToggleGraph(); break;
        case 'W': last = layout.ToggleCurrency(); break;
        default: last = layout.ShowSidePanel(c - '0'); break;
        }
        EXPECT_EQ(last, layout.current()) << "a command returns the arrangement it leaves";
    }
    return last;
}

// One line that names everything the window shows of the arrangement.
std::string describe(const Layout& l) {
    std::string panels;
    for (bool shown : l.sidePanels) panels += shown ? '1' : '0';
    return "panels " + panels + (l.tape ? " tape" : "") + (l.plotter ? " plotter" : "") +
        (l.converter ? " converter" : "") + (l.converterItemChecked ? " W-checked" : "") + " " +
        std::to_string(l.face.width()) + "x" + std::to_string(l.face.height()) + " " + l.letter.toStdString() + " " +
        l.arrowCaption.toStdString() + " " + l.tapeCaption.toStdString();
}

struct Case {
    const char* name;
    const char* commands;
    const char* expected;
};

const Case kCases[] = {
    {"at start", "", "panels 0000 249x417 T ↓ Tape ->"},
    {"arrow opens the letter's panel", "A", "panels 1000 249x607 T ↑ Tape ->"},
    {"arrow closes again", "AA", "panels 0000 249x417 T ↓ Tape ->"},
    {"letter cycles while open", "ALL", "panels 0010 249x607 S ↑ Tape ->"},
    {"letter wraps to T", "ALLLL", "panels 1000 249x607 T ↑ Tape ->"},
    {"letter while closed only moves", "L", "panels 0000 249x417 E ↓ Tape ->"},
    {"arrow opens the chosen letter", "LLA", "panels 0010 249x607 S ↑ Tape ->"},
    {"menu item opens its panel", "2", "panels 0010 249x607 S ↑ Tape ->"},
    {"menu item switches panels", "21", "panels 0100 249x607 E ↑ Tape ->"},
    {"menu item closes its own panel", "22", "panels 0000 249x417 S ↓ Tape ->"},
    {"Tape widens the window", "T", "panels 0000 tape 497x417 T ↓ <-Tape"},
    {"Tape hides again", "TT", "panels 0000 249x417 T ↓ Tape->"},
    {"converter comes with Tape and panel", "T2", "panels 0010 tape converter W-checked 497x607 S ↑ <-Tape"},
    {"converter comes with panel then Tape", "2T", "panels 0010 tape converter W-checked 497x607 S ↑ <-Tape"},
    {"arrow hides the converter", "T2A", "panels 0000 tape W-checked 497x417 S ↓ <-Tape"},
    {"closing the panel by its item", "T22", "panels 0000 tape 497x417 S ↓ <-Tape"},
    {"hiding the Tape hides the converter", "T2T", "panels 0010 249x607 S ↑ Tape->"},
    {"W brings Tape and panel", "W", "panels 1000 tape converter W-checked 497x607 T ↑ <-Tape"},
    {"W twice hides the converter only", "WW", "panels 1000 tape 497x607 T ↑ <-Tape"},
    {"plotter opens the function panel beside it", "G", "panels 0001 plotter 669x607 F ↑ Tape ->"},
    {"plotter takes the place of the Tape", "TG", "panels 0001 plotter 669x607 F ↑ Tape->"},
    {"Tape takes the place of the plotter", "GT", "panels 0001 tape converter W-checked 497x607 F ↑ <-Tape"},
    {"units close the plotter", "G1", "panels 0100 249x607 E ↑ Tape ->"},
    {"tax closes the plotter", "G2", "panels 0010 249x607 S ↑ Tape ->"},
    {"trigonometry keeps the plotter", "G0", "panels 1000 plotter 669x607 T ↑ Tape ->"},
    {"plotter beside trigonometry keeps it", "0G", "panels 1000 plotter 669x607 T ↑ Tape ->"},
    {"the function item closes panel and plotter", "G3", "panels 0000 249x417 F ↓ Tape ->"},
    {"plotter closes alone", "0GG", "panels 1000 249x607 T ↑ Tape ->"},
    {"closing trigonometry closes the plotter", "G00", "panels 0000 249x417 T ↓ Tape ->"},
    {"arrow closing closes the plotter", "G0A", "panels 0000 249x417 T ↓ Tape ->"},
    {"W over the plotter", "GW", "panels 0001 tape converter W-checked 497x607 F ↑ <-Tape"},
};

TEST(PanelLayoutTest, CommandSequencesGiveTheWholeArrangement) {
    for (const Case& c : kCases) {
        ScriptedDialogs dialogs;
        Calculator calc{dialogs};
        PanelLayout layout{calc};
        EXPECT_EQ(describe(play(layout, c.commands)), c.expected) << c.name << " (" << c.commands << ")";
    }
}

TEST(PanelLayoutTest, PanelsSetAndClearTheCalculatorsMarks) {
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    PanelLayout layout{calc};
    calc.PanelFunction = 3;
    layout.ShowSidePanel(0);
    EXPECT_EQ(calc.PanelFunction, 0) << "trigonometry starts without a function";
    layout.ShowSidePanel(3);
    EXPECT_EQ(calc.NumberFormat, 3);
    EXPECT_EQ(calc.Label4, "(x)");
    EXPECT_EQ(calc.Label2, "f(x)");
    layout.ShowSidePanel(3);
    EXPECT_EQ(calc.Label4, "");
    EXPECT_EQ(calc.Label2, "") << "closing the panel clears its marks";
    EXPECT_EQ(layout.ExtensionOpen, 0);
}

}  // namespace
