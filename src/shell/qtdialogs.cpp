#include "shell/qtdialogs.h"

#include "tape/views/tapefontdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QColorDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

// Ctrl+C in a message box copies its whole text, as message boxes do on the desktop the program
// came from. Keys the buttons do not take reach the box.
class CopyKey : public QObject {
public:
    explicit CopyKey(const QString& text) : text_(text) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(text_);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString text_;
};

QString applicationTitle() { return QApplication::applicationDisplayName(); }

QMessageBox::StandardButton ask(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::NoButton, parent);
    box.addButton(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.addButton(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    if (withCancel) box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::NoButton, owner());
    box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    CopyKey copy(text);
    box.installEventFilter(&copy);
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text) { return ask(owner(), text, false) == QMessageBox::Yes; }

Dialogs::Answer QtDialogs::askYesNoCancel(const QString& text) {
    switch (ask(owner(), text, true)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(const QString& caption, const QString& prompt, const QString& defaultText) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString QtDialogs::openFileName(const QString& caption, const QString& proposedName, const QStringList& filters) {
    return QFileDialog::getOpenFileName(owner(), caption, proposedName, filters.join(QStringLiteral(";;")));
}

QString QtDialogs::saveFileName(const QString& caption, const QString& proposedName, const QStringList& filters,
                                int* chosenFilter) {
    QString selected;
    const QString name =
        QFileDialog::getSaveFileName(owner(), caption, proposedName, filters.join(QStringLiteral(";;")), &selected);
    if (chosenFilter) *chosenFilter = std::max<int>(0, static_cast<int>(filters.indexOf(selected)));
    return name;
}

std::optional<uint32_t> QtDialogs::chooseColour(uint32_t initial) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, owner(), QStringLiteral("Farbe"));
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<uint32_t>(chosen.red()) | static_cast<uint32_t>(chosen.green()) << 8 |
        static_cast<uint32_t>(chosen.blue()) << 16;
}

bool QtDialogs::chooseFont(QTextCharFormat& format, const std::function<void(const QTextCharFormat&)>& apply) {
    TapeFontDialog dialog(format, apply, owner());
    if (dialog.exec() != QDialog::Accepted) return false;
    format = dialog.chosen();
    return true;
}

bool QtDialogs::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner());
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    return dialog.exec() == QDialog::Accepted;
}

// A box belongs to the window the user works in, so that it is centred there. A window that stays
// on top (the rate dialog, or the main window with "Immer im Vordergrund") would cover a box owned
// by any other window and leave the program waiting for an answer no one can see: while one is
// shown, it owns the box.
QWidget* QtDialogs::owner() const {
    QWidget* active = QApplication::activeWindow();
    auto staysOnTop = [](const QWidget* w) {
        const Qt::WindowType type = w->windowType();
        return w->isVisible() && (type == Qt::Window || type == Qt::Dialog) &&
            w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    };
    if (active && staysOnTop(active)) return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto onTop = std::find_if(windows.begin(), windows.end(), staysOnTop);
    if (onTop != windows.end()) return *onTop;
    return active ? active : parent_;
}
