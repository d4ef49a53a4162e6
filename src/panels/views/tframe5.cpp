#include "tframe5.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QStackedWidget>
#include <QToolButton>

namespace {
constexpr int kWidth = 249, kHeight = 190;
constexpr int kTabHeight = 21, kTabsPerRow = 4;
constexpr int kPageTop = 2 * kTabHeight + 2;

QColor fromBgr(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
}  // namespace

TFrame5::TFrame5(UnitPanel& panel, QWidget* parent) : QFrame(parent), panel_(panel) {
    setObjectName(QStringLiteral("Frame51"));
    setFrameShape(QFrame::StyledPanel);
    setFixedSize(kWidth, kHeight);

    const int tabWidth = (kWidth - 4) / kTabsPerRow;
    auto* tabs = new QButtonGroup(this);
    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(2, kPageTop, kWidth - 4, kHeight - kPageTop - 2);
    for (int page = 0; page < UnitPageCount; ++page) {
        QToolButton* tab = new QToolButton(this);
        tab->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
        tab->setText(unitText(unitPageTable(page).caption));
        tab->setCheckable(true);
        tab->installEventFilter(this);
        tab->setGeometry(2 + (page % kTabsPerRow) * tabWidth, 2 + (page / kTabsPerRow) * kTabHeight, tabWidth,
                         kTabHeight);
        tabs->addButton(tab, page);
        Tabs[page] = tab;
        connect(tab, &QToolButton::clicked, this, [this, page] {
            panel_.PageTabPressed(page);
            finishUserCommand();
        });
        PageControl1->addWidget(buildPage(page));
    }
    refresh();
}

QWidget* TFrame5::buildPage(int page) {
    const UnitPageTable& table = unitPageTable(page);
    auto* sheet = new QFrame;
    sheet->setObjectName(unitText(table.caption));
    sheet->setFrameShape(QFrame::StyledPanel);
    QComboBox* source = new QComboBox(sheet);
    QComboBox* target = new QComboBox(sheet);
    for (const UnitDefinition& unit : table.units) {
        source->addItem(unitText(unit.sourceName));
        target->addItem(unitText(unit.targetName));
    }
    source->setObjectName(QStringLiteral("Combo%1").arg(2 * page + 1));
    target->setObjectName(QStringLiteral("Combo%1").arg(2 * page + 2));
    source->setGeometry(3, 44, 108, 22);
    target->setGeometry(132, 44, 108, 22);
    for (QComboBox* list : {source, target}) list->setMaxVisibleItems(static_cast<int>(table.units.size()));
    Combo[2 * page] = source;
    Combo[2 * page + 1] = target;

    QToolButton* arrow = new QToolButton(sheet);
    arrow->setObjectName(QStringLiteral("Speed%1").arg(page + 1));
    arrow->setText(QStringLiteral("→"));
    arrow->setGeometry(112, 44, 19, 22);
    Speed[page] = arrow;

    connect(arrow, &QToolButton::clicked, this, [this] {
        panel_.ConvertClicked();
        finishUserCommand();
    });
    connect(source, &QComboBox::activated, this, [this](int index) {
        panel_.SourceChosen(index);
        finishUserCommand();
    });
    connect(target, &QComboBox::activated, this, [this](int index) {
        panel_.TargetChosen(index);
        finishUserCommand();
    });
    return sheet;
}

// Hot tracking: the caption under the mouse takes the highlight colour.
bool TFrame5::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        auto* tab = static_cast<QToolButton*>(watched);
        QPalette p = tab->palette();
        p.setColor(QPalette::ButtonText,
                   event->type() == QEvent::Enter ? palette().color(QPalette::Highlight)
                                                  : palette().color(QPalette::ButtonText));
        tab->setPalette(p);
    }
    return QFrame::eventFilter(watched, event);
}

void TFrame5::finishUserCommand() {
    refresh();
    emit displayChanged();
    emit focusEqualsRequested();
}

void TFrame5::refresh() {
    PageControl1->setCurrentIndex(panel_.ActivePage);
    Tabs[panel_.ActivePage]->setChecked(true);
    for (QToolButton* tab : Tabs) {
        QFont font = tab->font();
        font.setBold(tab->isChecked());
        tab->setFont(font);
    }
    for (int page = 0; page < UnitPageCount; ++page) {
        // Selecting in code never emits `activated`, so nothing converts here.
        Combo[2 * page]->setCurrentIndex(panel_.SourceSelection[page]);
        Combo[2 * page + 1]->setCurrentIndex(panel_.TargetSelection[page]);
    }
}

void TFrame5::OpenPanel() {
    panel_.OpenPanel();
    refresh();
}

void TFrame5::setFieldColour(uint32_t bgr) {
    const QColor colour = fromBgr(bgr);
    for (QComboBox* list : Combo) {
        QPalette p = list->palette();
        p.setColor(QPalette::Base, colour);
        p.setColor(QPalette::Button, colour);
        list->setPalette(p);
    }
    panel_.FlipPageAndBack();
    refresh();
}
