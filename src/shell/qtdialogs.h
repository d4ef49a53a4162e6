#pragma once
#include "core/dialogs.h"

class QWidget;

// The dialog seam on Qt: German buttons, modal to the window the user works in, or to the given
// parent when none of ours is active.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text) override;
    bool askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& defaultText) override;
    QString openFileName(const QString& caption, const QString& proposedName, const QStringList& filters) override;
    QString saveFileName(const QString& caption, const QString& proposedName, const QStringList& filters,
                         int* chosenFilter) override;
    std::optional<uint32_t> chooseColour(uint32_t initial) override;
    bool chooseFont(QTextCharFormat& format, const std::function<void(const QTextCharFormat&)>& apply) override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QWidget* owner() const;

    QWidget* parent_;
};
