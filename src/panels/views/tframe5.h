#pragma once
// The unit panel in the extension area: two rows of four page tabs over the pages, each page a
// source list, an arrow and a target list. Only what the user chooses converts; what the main
// window sets (opening, the field colour) only shows pages and selections.
#include "panels/unitpanel.h"

#include <QFrame>
#include <array>
#include <cstdint>

class QComboBox;
class QStackedWidget;
class QToolButton;

class TFrame5 : public QFrame {
    Q_OBJECT
public:
    explicit TFrame5(UnitPanel& panel, QWidget* parent = nullptr);

    // Opening the panel: page `UnitPage` with the remembered units, without converting.
    void OpenPanel();
    // Paints the sixteen lists in the field colour (0x00BBGGRR) and flips to the next page and back.
    void setFieldColour(uint32_t bgr);
    // Shows the engine's page and list selections again, after a command the main window ran.
    void refresh();

    // Controls, by their component names: tabs "TabSheet1"…"TabSheet8", pages in `PageControl1`,
    // arrows `Speed1`…`Speed8`, lists `Combo1`…`Combo16` (source 2k+1, target 2k+2 on page k).
    QStackedWidget* PageControl1 = nullptr;
    std::array<QToolButton*, UnitPageCount> Tabs{};
    std::array<QToolButton*, UnitPageCount> Speed{};
    std::array<QComboBox*, 2 * UnitPageCount> Combo{};

signals:
    // A conversion or a format change: the main window shows the calculator's fields again.
    void displayChanged();
    // The keys belong to the calculator again.
    void focusEqualsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPage(int page);
    // After a user command: show the engine's state and tell the main window.
    void finishUserCommand();

    UnitPanel& panel_;
};
