#include "finance/tfinanzrechner.h"

#include "core/dialogs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QComboBox>
#include <QVBoxLayout>

TFinanzrechner::TFinanzrechner(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TFinanzrechner"));
    setWindowTitle(QStringLiteral("Finanzrechner"));
    setModal(false);
    setFont(QFont(QStringLiteral("Arial"), 9));

    auto* root = new QVBoxLayout(this);
    buildTopBar();
    auto* top = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton5, SpeedButton4, ComboBox1, SpeedButton2, SpeedButton3})
        top->addWidget(w);
    top->addStretch();
    root->addLayout(top);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildLoanPage(), QStringLiteral("Tilgungsplan"));
    PageControl1->addTab(buildSavingsPage(), QStringLiteral("Anlage"));
    PageControl1->setCurrentIndex(0);
    root->addWidget(PageControl1);

    OKBtn = new QPushButton(QStringLiteral("Berechnen"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Schließen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    root->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &TFinanzrechner::OKBtnClick);
    // Closing only hides the window, so its contents stay for the next showing.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpBtn, &QPushButton::clicked, this, &TFinanzrechner::helpRequested);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        Finance.ActivePage = index == 0 ? FinancePage::Tilgung : FinancePage::Anlage;
    });

    Grid2->setRowCount(3);
    Grid3->setRowCount(3);
    Grid1->setRowCount(5);
    Grid4->setRowCount(5);
    prepareGrids();
    showState();
}

void TFinanzrechner::buildTopBar() {
    auto tool = [this](const char* name, const QString& hint, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setIcon(style()->standardIcon(icon));
        return b;
    };
    SpeedButton4 = tool("SpeedButton4", QStringLiteral("Berechnungen ins Tape schreiben"), QStyle::SP_FileDialogDetailedView);
    SpeedButton4->setText(QStringLiteral("Tape"));
    SpeedButton4->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SpeedButton5 = tool("SpeedButton5", QStringLiteral("Neue Berechnung"), QStyle::SP_FileIcon);
    SpeedButton3 = tool("SpeedButton3", QStringLiteral("Eintrag löschen"), QStyle::SP_TrashIcon);
    SpeedButton2 = tool("SpeedButton2", QStringLiteral("Eintrag speichern"), QStyle::SP_DialogSaveButton);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Gespeicherte Einträge"));
    ComboBox1->setEditable(true);
    ComboBox1->setMinimumWidth(220);
}

void TFinanzrechner::prepareGrids() {
    struct GridSetup {
        QTableWidget* grid;
        const char* heading1;
        const char* heading2;
        int dateWidth;
        int valueWidth;
    };
    const GridSetup setups[] = {{Grid2, "Datum", "Betrag", 80, 80},
                          {Grid3, "Ab Datum:", "Zins", 120, 40},
                          {Grid1, "Datum", "Zahlung", 94, 94},
                          {Grid4, "Ab Datum", "Zins", 100, 40}};
    for (const GridSetup& setup : setups) {
        QTableWidget* grid = setup.grid;
        grid->setColumnCount(3);
        grid->setHorizontalHeaderLabels(
            {QStringLiteral("Nr."), QString::fromUtf8(setup.heading1), QString::fromUtf8(setup.heading2)});
        grid->setColumnWidth(0, 20);
        grid->setColumnWidth(1, setup.dateWidth);
        grid->setColumnWidth(2, setup.valueWidth);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setDefaultSectionSize(20);
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        grid->horizontalHeader()->setHighlightSections(false);
        grid->setShowGrid(true);
        grid->setTabKeyNavigation(true);
        grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
        grid->setToolTip(QStringLiteral("Datumsformat : tt.mm.jj oder tt.mm.jjjj"));
        grid->setMinimumWidth(20 + setup.dateWidth + setup.valueWidth + 2 * grid->frameWidth() +
                              grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
        // Column 0 numbers the data rows 1, 2, 3, ... and is not edited.
        for (int r = 0; r < grid->rowCount(); ++r) {
            auto* number = new QTableWidgetItem(QString::number(r + 1));
            number->setFlags(Qt::ItemIsEnabled);
            number->setBackground(palette().button());
            grid->setItem(r, 0, number);
        }
    }
}

void TFinanzrechner::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    Finance.setToday(QDate::currentDate());
    prepareGrids();
    showState();
    (PageControl1->currentIndex() == 0 ? Edit1 : Edit16)->setFocus();
}

void TFinanzrechner::OKBtnClick() {
    pullInputs();
    const FinanceOutcome outcome = Finance.Compute();
    showState();
    if (!outcome.message.isEmpty()) dialogs_.message(outcome.message);
    if (!outcome.focus.isEmpty()) {
        if (auto* target = findChild<QWidget*>(outcome.focus)) target->setFocus();
    }
}

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

}  // namespace

void TFinanzrechner::pullInputs() {
    FinanceCalculator& f = Finance;
    f.ActivePage = PageControl1->currentIndex() == 0 ? FinancePage::Tilgung : FinancePage::Anlage;
    f.Edit1 = Edit1->text();
    f.Edit2 = Edit2->text();
    f.Edit12 = Edit12->text();
    f.Edit13 = Edit13->text();
    f.Edit14 = Edit14->text();
    f.Edit7 = Edit7->text();
    f.Datum1 = Datum1->date();
    f.Datum2 = Datum2->date();
    f.Datum3 = Datum3->date();
    f.Radio1 = Radio1->isChecked();
    f.Radio2 = Radio2->isChecked();
    f.vproz = vproz->isChecked();
    f.BauFi = BauFi->isChecked();
    readGrid(Grid2, f.Grid2);
    readGrid(Grid3, f.Grid3);

    f.Zins1 = Zins1->isChecked();
    f.Zins2 = Zins2->isChecked();
    f.Edit16 = Edit16->text();
    f.Edit17 = Edit17->text();
    f.Edit18 = Edit18->text();
    f.Edit19 = Edit19->text();
    f.Edit23 = Edit23->text();
    f.Edit24 = Edit24->text();
    f.Datum4 = Datum4->date();
    f.Datum5 = Datum5->date();
    f.Datum6 = Datum6->date();
    f.vproz2 = vproz2->isChecked();
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
    const std::pair<QDateEdit*, const QDate*> dates[] = {{Datum1, &f.Datum1}, {Datum2, &f.Datum2}, {Datum3, &f.Datum3},
                                                         {Datum4, &f.Datum4}, {Datum5, &f.Datum5}, {Datum6, &f.Datum6}};
    for (const auto& [edit, date] : dates) {
        if (edit->date() != *date) edit->setDate(*date);
    }
    StatusGroup->setTitle(f.StatusCaption);
}
