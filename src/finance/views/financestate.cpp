// The financial window's controls and its engine: copied in before a command, shown after it.
#include "finance/views/tfinanzrechner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

namespace {

// A result field shows the start of its value, where the large digits stand; when the value does not fit,
// its tooltip holds all of it.
void showBeginning(QLineEdit* edit) {
    edit->setCursorPosition(0);
    const QMargins margins = edit->textMargins();
    // A line edit keeps 2 pixels on each side of its text within the frame.
    const int room = edit->contentsRect().width() - margins.left() - margins.right() - 4 -
        2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const bool fits = edit->fontMetrics().horizontalAdvance(edit->text()) <= room;
    edit->setToolTip(fits ? QString() : edit->text());
}

void readGrid(const QTableWidget* grid, FinanceGrid& into) {
    into.rows.assign(static_cast<size_t>(grid->rowCount()), {});
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QTableWidgetItem* date = grid->item(r, 1);
        const QTableWidgetItem* value = grid->item(r, 2);
        into.rows[static_cast<size_t>(r)] = {date ? date->text() : QString(), value ? value->text() : QString()};
    }
}

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item && text.isEmpty()) return;
    if (!item) grid->setItem(row, column, new QTableWidgetItem(text));
    else if (item->text() != text) item->setText(text);
}

}  // namespace

void TFinanzrechner::numberRows(QTableWidget* grid) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (grid->item(r, 0)) continue;
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setBackground(palette().button());
        grid->setItem(r, 0, number);
    }
}

void TFinanzrechner::renderGrid(QTableWidget* grid, const FinanceGrid& rows) {
    if (grid->rowCount() != static_cast<int>(rows.rows.size())) {
        grid->setRowCount(static_cast<int>(rows.rows.size()));
        numberRows(grid);
    }
    for (int r = 0; r < grid->rowCount(); ++r) {
        setCell(grid, r, 1, rows.rows[static_cast<size_t>(r)].date);
        setCell(grid, r, 2, rows.rows[static_cast<size_t>(r)].value);
    }
}

void TFinanzrechner::pullInputs() {
    FinanceCalculator& f = Finance;
    f.ActivePage = PageControl1->currentIndex() == 0 ? FinancePage::Tilgung : FinancePage::Anlage;
    f.ComboBox1 = ComboBox1->currentText();
    const std::pair<QString*, QLineEdit*> texts[] = {{&f.Edit1, Edit1},   {&f.Edit2, Edit2},   {&f.Edit12, Edit12},
                                                     {&f.Edit13, Edit13}, {&f.Edit14, Edit14}, {&f.Edit7, Edit7},
                                                     {&f.Edit16, Edit16}, {&f.Edit17, Edit17}, {&f.Edit18, Edit18},
                                                     {&f.Edit19, Edit19}, {&f.Edit23, Edit23}, {&f.Edit24, Edit24}};
    for (const auto& [text, edit] : texts) *text = edit->text();
    const std::pair<QDate*, QDateEdit*> dates[] = {{&f.Datum1, Datum1}, {&f.Datum2, Datum2}, {&f.Datum3, Datum3},
                                                   {&f.Datum4, Datum4}, {&f.Datum5, Datum5}, {&f.Datum6, Datum6}};
    for (const auto& [date, edit] : dates) *date = edit->date();
    const std::pair<bool*, QAbstractButton*> boxes[] = {{&f.Radio1, Radio1},
                                                        {&f.Radio2, Radio2},
                                                        {&f.vproz, vproz},
                                                        {&f.BauFi, BauFi},
                                                        {&f.Zins1, Zins1},
                                                        {&f.Zins2, Zins2},
                                                        {&f.vproz2, vproz2},
                                                        {&f.SpeedButton7Down, SpeedButton7},
                                                        {&f.SpeedButton8Down, SpeedButton8}};
    for (const auto& [checked, box] : boxes) *checked = box->isChecked();
    readGrid(Grid2, f.Grid2);
    readGrid(Grid3, f.Grid3);
    readGrid(Grid1, f.Grid1);
    readGrid(Grid4, f.Grid4);
}

void TFinanzrechner::showState() {
    const FinanceCalculator& f = Finance;
    const std::pair<QLineEdit*, const QString*> texts[] = {
        {Edit1, &f.Edit1},   {Edit2, &f.Edit2},   {Edit12, &f.Edit12}, {Edit13, &f.Edit13}, {Edit14, &f.Edit14},
        {Edit7, &f.Edit7},   {Edit3, &f.Edit3},   {Edit8, &f.Edit8},   {Edit15, &f.Edit15}, {Edit4, &f.Edit4},
        {Edit5, &f.Edit5},   {Edit6, &f.Edit6},   {Edit9, &f.Edit9},   {Edit10, &f.Edit10}, {Edit11, &f.Edit11},
        {Edit16, &f.Edit16}, {Edit17, &f.Edit17}, {Edit18, &f.Edit18}, {Edit19, &f.Edit19}, {Edit23, &f.Edit23},
        {Edit24, &f.Edit24}, {Edit21, &f.Edit21}, {Edit20, &f.Edit20}, {Edit22, &f.Edit22}};
    for (const auto& [edit, text] : texts) {
        if (edit->text() == *text) continue;
        edit->setText(*text);
        if (edit->isReadOnly()) showBeginning(edit);
    }
    // Dates the program sets are no user edits: they trigger nothing.
    const std::pair<QDateEdit*, const QDate*> dates[] = {{Datum1, &f.Datum1}, {Datum2, &f.Datum2}, {Datum3, &f.Datum3},
                                                         {Datum4, &f.Datum4}, {Datum5, &f.Datum5}, {Datum6, &f.Datum6}};
    for (const auto& [edit, date] : dates) {
        const QSignalBlocker block(edit);
        if (edit->date() != *date) edit->setDate(*date);
    }
    const std::pair<QAbstractButton*, bool> boxes[] = {{Radio1, f.Radio1},
                                                       {Radio2, f.Radio2},
                                                       {vproz, f.vproz},
                                                       {BauFi, f.BauFi},
                                                       {Zins1, f.Zins1},
                                                       {Zins2, f.Zins2},
                                                       {vproz2, f.vproz2},
                                                       {SpeedButton7, f.SpeedButton7Down},
                                                       {SpeedButton8, f.SpeedButton8Down}};
    for (const auto& [box, checked] : boxes) box->setChecked(checked);
    StatusGroup->setTitle(f.StatusCaption);
    showListState();

    Edit7->setEnabled(f.Edit7Enabled);
    Edit23->setEnabled(f.Edit23Enabled);
    Label24->setText(f.Label24);
    renderScenarios();
}

void TFinanzrechner::renderScenarios() {
    const FinanceCalculator& f = Finance;
    const int page = f.ActivePage == FinancePage::Tilgung ? 0 : 1;
    if (PageControl1->currentIndex() != page) {
        const QSignalBlocker block(PageControl1);
        PageControl1->setCurrentIndex(page);
    }
    const QSignalBlocker block(ComboBox1);
    if (shownNames_ != f.Scenarios.Items) {
        ComboBox1->clear();
        ComboBox1->addItems(f.Scenarios.Items);
        shownNames_ = f.Scenarios.Items;
    }
    if (ComboBox1->currentText() == f.ComboBox1) return;
    const int index = ComboBox1->findText(f.ComboBox1, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    ComboBox1->setCurrentIndex(index);
    if (index < 0) ComboBox1->setEditText(f.ComboBox1);
}

void TFinanzrechner::showListState() {
    const FinanceCalculator& f = Finance;
    Edit2->setToolTip(f.Edit2Hint);
    vproz->setToolTip(f.vprozHint);
    SpeedButton7->setVisible(f.vproz);
    SpeedButton7->setToolTip(f.SpeedButton7Hint);
    Grid2->setVisible(!f.SpeedButton7Down);
    Grid3->setVisible(f.SpeedButton7Down);
    SonderGroup->setTitle(f.SonderCaption);
    vproz2->setToolTip(f.vproz2Hint);
    SpeedButton8->setVisible(f.vproz2);
    SpeedButton8->setToolTip(f.SpeedButton8Hint);
    Grid1->setVisible(!f.SpeedButton8Down);
    Grid4->setVisible(f.SpeedButton8Down);
    SonderGroup2->setTitle(f.SonderCaption2);
    renderGrid(Grid2, f.Grid2);
    renderGrid(Grid3, f.Grid3);
    renderGrid(Grid1, f.Grid1);
    renderGrid(Grid4, f.Grid4);
}
