#include "finance/views/tfinanzrechner.h"

#include "core/dialogs.h"
#include "finance/settingssource.h"
#include "finance/views/tfoerder.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QHideEvent>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QComboBox>
#include <QVBoxLayout>

TFinanzrechner::TFinanzrechner(FinanceCalculator& finance, Dialogs& dialogs, QWidget* parent, SettingsSource* settings,
                               Tape* tape)
    : QDialog(parent),
      dialogs_(dialogs),
      Finance(finance),
      ownSettings_(settings ? nullptr : std::make_unique<MemorySettings>()),
      settings_(settings ? settings : ownSettings_.get()),
      tape_(tape) {
    setObjectName(QStringLiteral("TFinanzrechner"));
    setWindowTitle(QStringLiteral("Finanzrechner"));
    setModal(false);
    setFont(QFont(QStringLiteral("Arial"), 9));

    auto* root = new QVBoxLayout(this);
    buildTopBar();
    auto* top = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{SpeedButton5, SpeedButton4, ComboBox1, SpeedButton2, SpeedButton3})
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
    // Only the user turns pages here: the program's own turns are rendered with the signal blocked.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        const FinancePage leaving = Finance.ActivePage;
        run([this, leaving] {
            Finance.Scenarios.PageChange(leaving, Finance);
            return FinanceReaction();
        });
    });
    connectReactions();

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
    SpeedButton4 =
        tool("SpeedButton4", QStringLiteral("Berechnungen ins Tape schreiben"), QStyle::SP_FileDialogDetailedView);
    SpeedButton4->setText(QStringLiteral("Tape"));
    SpeedButton4->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SpeedButton5 = tool("SpeedButton5", QStringLiteral("Neue Berechnung"), QStyle::SP_FileIcon);
    SpeedButton3 = tool("SpeedButton3", QStringLiteral("Eintrag löschen"), QStyle::SP_TrashIcon);
    SpeedButton2 = tool("SpeedButton2", QStringLiteral("Eintrag speichern"), QStyle::SP_DialogSaveButton);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Gespeicherte Einträge"));
    ComboBox1->setEditable(true);
    // A typed name joins the list only when it is saved, and it is typed whole: completing it from the list
    // would turn a new name into an existing one and overwrite that scenario.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);
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
        numberRows(grid);
    }
}

void TFinanzrechner::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    Finance.setToday(QDate::currentDate());
    Finance.Scenarios.FillList(*settings_);
    prepareGrids();
    showState();
    (PageControl1->currentIndex() == 0 ? Edit1 : Edit16)->setFocus();
}

void TFinanzrechner::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) storeScenarioNames();
}

void TFinanzrechner::storeScenarioNames() {
    const QString failure = Finance.Scenarios.StoreList(*settings_);
    if (!failure.isEmpty()) dialogs_.message(failure);
}

TFinanzrechner::~TFinanzrechner() = default;

void TFinanzrechner::OKBtnClick() {
    run([this] { return FinanceReaction(Finance.Compute()); });
}

TFoerder& TFinanzrechner::foerder() {
    if (!foerder_) {
        foerder_ = new TFoerder(Finance, *settings_, dialogs_, this);
        connect(foerder_, &TFoerder::financeChanged, this, [this](const QString& focus) {
            showState();
            report({FinanceOutcome{QString(), focus}});
        });
    }
    return *foerder_;
}

void TFinanzrechner::storeSubsidyParameters() { Finance.Subsidy.Shutdown(*settings_); }

void TFinanzrechner::run(const std::function<FinanceReaction()>& command) {
    pullInputs();
    const FinanceReaction reaction = command();
    showState();
    report(reaction);
    if (reaction.showSubsidy) foerder().showSubsidy();
    if (reaction.closeSubsidy && foerder_) foerder_->hide();
}

void TFinanzrechner::report(const FinanceReaction& reaction) {
    for (const QString& message : reaction.messages) dialogs_.message(message);
    if (reaction.focus.isEmpty()) return;
    if (auto* target = findChild<QWidget*>(reaction.focus)) target->setFocus();
}
