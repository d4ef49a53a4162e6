#include "scripteddialogs.h"

template <typename T, typename D>
static T take(std::deque<T>& queue, D fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}

void ScriptedDialogs::message(const QString& text) { shown << text; }

bool ScriptedDialogs::askYesNo(const QString& text) {
    shown << text;
    return take(yesNo, true);
}

Dialogs::Answer ScriptedDialogs::askYesNoCancel(const QString& text) {
    shown << text;
    return take(yesNoCancel, Answer::Yes);
}

std::optional<QString> ScriptedDialogs::input(const QString& caption, const QString& prompt, const QString&) {
    shown << caption + QStringLiteral(": ") + prompt;
    return take(inputs, std::optional<QString>());
}

QString ScriptedDialogs::openFileName(const QString& caption, const QString& proposedName, const QStringList&) {
    shown << caption + QStringLiteral(": ") + proposedName;
    return take(fileNames, QString());
}

QString ScriptedDialogs::saveFileName(const QString& caption, const QString& proposedName, const QStringList&,
                                      int* chosenFilter) {
    shown << caption + QStringLiteral(": ") + proposedName;
    if (chosenFilter) *chosenFilter = take(fileFilters, 0);
    return take(fileNames, QString());
}

std::optional<uint32_t> ScriptedDialogs::chooseColour(uint32_t) { return take(colours, std::optional<uint32_t>()); }

bool ScriptedDialogs::chooseFont(QTextCharFormat& format, const std::function<void(const QTextCharFormat&)>& apply) {
    return fontDialog && fontDialog(format, apply);
}

bool ScriptedDialogs::setUpPrinter(QPrinter& printer) { return printerSetup && printerSetup(printer); }
