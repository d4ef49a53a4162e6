#pragma once
// The main window's menu bar. Its headings wrap into further rows when they do not fit the window's
// width, as menu bars do on the platform Kalkulo comes from, instead of hiding behind an overflow
// button. The window grows by the extra rows: the bar reports its height for a width, and the main
// window's layout adds it above the client area, which keeps its own size.
#include <QList>
#include <QWidget>

#include <vector>

class QMenu;
class QMenuBar;

class WrappingMenuBar : public QWidget {
    Q_OBJECT
public:
    explicit WrappingMenuBar(QWidget* parent = nullptr);

    // Adds a heading at the end, as QMenuBar::addMenu does.
    QMenu* addMenu(const QString& title);
    const QList<QMenu*>& menus() const { return menus_; }
    // The rows in use, top to bottom; each is an ordinary menu bar holding some of the headings.
    QList<QMenuBar*> rows();

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The row of each heading at the given width: as many headings per row as fit.
    std::vector<int> rowsFor(int width) const;
    void measure() const;
    void reflow();

    QList<QMenu*> menus_;
    QList<QMenuBar*> rows_;
    // Measurements, taken when first needed after a change.
    mutable bool measured_ = false;
    mutable std::vector<int> headingWidths_;  // width of a bar holding this heading alone
    mutable int sharedWidth_ = 0;             // what two neighbouring headings' bars have in common
    mutable int rightMargin_ = 0;
    mutable int rowHeight_ = 0;
    bool laidOut_ = false;  // the rows hold the headings as the current width wants
};
