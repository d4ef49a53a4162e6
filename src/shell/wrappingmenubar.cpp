#include "shell/wrappingmenubar.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include <algorithm>

namespace {

QMenuBar* makeRow(QWidget* parent) {
    auto* row = new QMenuBar(parent);
    row->setNativeMenuBar(false);  // the rows must stay in the window to wrap
    return row;
}

}  // namespace

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainMenu"));
    rows_.append(makeRow(this));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

// Measuring makes menu bars, which is dear at start-up with several headings: it waits until a
// size is asked for or the bar is shown, and then happens once for all headings added so far.
QMenu* WrappingMenuBar::addMenu(const QString& title) {
    auto* menu = new QMenu(title, this);
    menus_.append(menu);
    measured_ = false;
    laidOut_ = false;
    if (isVisible()) reflow();
    updateGeometry();
    return menu;
}

QList<QMenuBar*> WrappingMenuBar::rows() {
    if (!laidOut_) reflow();
    QList<QMenuBar*> used;
    for (QMenuBar* row : rows_)
        if (!row->actions().isEmpty()) used.append(row);
    return used;
}

// A bar with one heading tells its width with all the style's margins. Headings side by side share
// those margins once, which a bar with every heading shows.
void WrappingMenuBar::measure() const {
    if (measured_) return;
    measured_ = true;
    QMenuBar probe;
    probe.setNativeMenuBar(false);
    probe.setFont(rows_.first()->font());
    QMenuBar alone;
    alone.setNativeMenuBar(false);
    alone.setFont(probe.font());
    headingWidths_.clear();
    int sum = 0;
    for (QMenu* menu : menus_) {
        probe.addAction(menu->menuAction());
        alone.addAction(menu->menuAction());
        headingWidths_.push_back(alone.sizeHint().width());
        alone.removeAction(menu->menuAction());
        sum += headingWidths_.back();
    }
    const int n = static_cast<int>(menus_.size());
    sharedWidth_ = n > 1 ? (sum - probe.sizeHint().width()) / (n - 1) : 0;
    rightMargin_ = probe.style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &probe);
    rowHeight_ = probe.sizeHint().height();
}

std::vector<int> WrappingMenuBar::rowsFor(int width) const {
    measure();
    std::vector<int> rowOf;
    int row = 0, used = 0;
    for (int w : headingWidths_) {
        const int grown = used == 0 ? w : used + w - sharedWidth_;
        if (used > 0 && grown + rightMargin_ > width) {
            ++row;
            used = w;
        } else {
            used = grown;
        }
        rowOf.push_back(row);
    }
    return rowOf;
}

int WrappingMenuBar::heightForWidth(int width) const {
    const std::vector<int> rowOf = rowsFor(width);
    const int rowCount = rowOf.empty() ? 1 : rowOf.back() + 1;
    return rowCount * rowHeight_;
}

QSize WrappingMenuBar::sizeHint() const { return {width(), heightForWidth(width())}; }

QSize WrappingMenuBar::minimumSizeHint() const {
    measure();
    const int widest = headingWidths_.empty() ? 0 : *std::max_element(headingWidths_.begin(), headingWidths_.end());
    return {widest, rowHeight_};
}

void WrappingMenuBar::reflow() {
    laidOut_ = true;
    const std::vector<int> rowOf = rowsFor(width());
    const int rowCount = rowOf.empty() ? 1 : rowOf.back() + 1;
    const bool rowsChanged = rowCount != rows().size();
    while (rows_.size() < rowCount) rows_.append(makeRow(this));
    for (int r = 0; r < rows_.size(); ++r) {
        QList<QAction*> wanted;
        for (size_t i = 0; i < rowOf.size(); ++i)
            if (rowOf[i] == r) wanted.append(menus_[static_cast<qsizetype>(i)]->menuAction());
        QMenuBar* row = rows_[r];
        if (!std::ranges::equal(row->actions(), wanted)) {  // QList == hands empty lists to memcmp as null
            for (QAction* action : row->actions()) row->removeAction(action);
            row->addActions(wanted);
        }
        row->setGeometry(0, r * rowHeight_, width(), rowHeight_);
        row->setVisible(r < rowCount);
    }
    if (rowsChanged) updateGeometry();  // the window grows or shrinks by the rows
}

void WrappingMenuBar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!laidOut_) reflow();
}

void WrappingMenuBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reflow();
}

void WrappingMenuBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        measured_ = false;
        reflow();
        updateGeometry();
    }
}
