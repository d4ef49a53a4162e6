#include "shell/panellayout.h"

#include "core/calculator.h"

namespace {
const char* const kLetters[] = {"T", "E", "S", "F"};
}

Layout PanelLayout::current() const {
    Layout l;
    l.sidePanels = SidePanelShown;
    l.tape = TapeShown != 0;
    l.plotter = PlotterShown;
    l.converter = ConverterShown;
    l.converterItemChecked = ConverterItemChecked;
    int width = DesignWidth;
    if (l.tape) width += TapeWidth;
    else if (l.plotter) width += PlotterWidth;
    l.face = QSize(width, extensionAreaShown_ ? DesignHeight + ExtensionHeight : DesignHeight);
    l.letter = QString::fromLatin1(kLetters[SidePanel]);
    l.arrowCaption = extensionAreaShown_ ? QStringLiteral("↑") : QStringLiteral("↓");
    l.arrowHint =
        extensionAreaShown_ ? QStringLiteral("Erweiterungen schließen") : QStringLiteral("Erweiterungen öffnen");
    l.tapeCaption = TapeCaption;
    return l;
}

void PanelLayout::CloseExtension() {
    hooks_->extensionClosing();
    SidePanelShown.fill(false);
    closeGraphIfVisible();
    ConverterShown = false;
    extensionAreaShown_ = false;
}

void PanelLayout::HidePanels() {
    calc_.ClearPanelMarks();
    SidePanelShown.fill(false);
}

void PanelLayout::closeGraphIfVisible() {
    if (!PlotterShown) return;
    hooks_->plotterClosing();
    PlotterShown = false;
}

Layout PanelLayout::ShowSidePanel(int panel) {
    const auto kind = static_cast<SidePanelKind>(panel);
    if (kind == SidePanelKind::Units || kind == SidePanelKind::Tax) closeGraphIfVisible();
    if (ExtensionOpen == 1 && SidePanelShown[panel]) {
        CloseExtension();
        HidePanels();
        ConverterItemChecked = false;
        ExtensionOpen = 0;
        return current();
    }
    HidePanels();
    SidePanel = panel;
    OpenExtension();
    if (kind == SidePanelKind::Trigonometry) calc_.PanelFunction = 0;
    if (kind == SidePanelKind::Functions) calc_.ShowFunctionMarks();
    SidePanelShown[panel] = true;
    if (TapeShown) {
        ConverterShown = true;
        ConverterItemChecked = true;
    }
    ExtensionOpen = 1;
    hooks_->sidePanelOpened(panel);
    return current();
}

Layout PanelLayout::LetterClicked() {
    SidePanel = (SidePanel + 1) % 4;
    if (ExtensionOpen == 1) return ShowSidePanel(SidePanel);
    return current();
}

Layout PanelLayout::ArrowClicked() {
    if (ExtensionOpen != 1) {
        OpenExtension();
        return ShowSidePanel(SidePanel);
    }
    CloseExtension();
    HidePanels();
    ExtensionOpen = 0;
    return current();
}

Layout PanelLayout::ToggleGraph() {
    if (PlotterShown) {
        closeGraphIfVisible();
    } else {
        if (TapeShown) ToggleTape();
        const bool drawingPanel = SidePanelShown[static_cast<int>(SidePanelKind::Trigonometry)] ||
            SidePanelShown[static_cast<int>(SidePanelKind::Functions)];
        if (!drawingPanel) ShowSidePanel(static_cast<int>(SidePanelKind::Functions));
        PlotterShown = true;
        hooks_->plotterOpened();
    }
    return current();
}

Layout PanelLayout::ToggleCurrency() {
    // The converter lives below the Tape; it needs the Tape and the extension area.
    if (ConverterShown) {
        ConverterShown = false;
        ConverterItemChecked = false;
        return current();
    }
    if (!TapeShown) ToggleTape();
    if (!ExtensionOpen) ShowSidePanel(SidePanel);
    ConverterShown = true;
    ConverterItemChecked = true;
    return current();
}

Layout PanelLayout::ToggleTape() {
    if (TapeShown) {
        ConverterShown = false;
        TapeShown = 0;
        ConverterItemChecked = false;
        TapeCaption = QStringLiteral("Tape->");
    } else {
        closeGraphIfVisible();
        if (ExtensionOpen) {
            ConverterShown = true;
            ConverterItemChecked = true;
        }
        TapeShown = 1;
        TapeCaption = QStringLiteral("<-Tape");
    }
    return current();
}
