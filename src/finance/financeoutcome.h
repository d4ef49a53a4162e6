#pragma once
// What the financial engines' commands ask their windows to do besides showing the new state.
#include <QString>
#include <QStringList>

// A computation's message (when not empty) and the control named `focus` that gets the keyboard focus.
struct FinanceOutcome {
    QString message;
    QString focus;
};

// A reaction to the user between computations: the messages to show in order, the focus in the
// financial window, and whether the subsidy window opens or closes.
struct FinanceReaction {
    QStringList messages;
    QString focus;
    bool showSubsidy = false;
    bool closeSubsidy = false;

    FinanceReaction() = default;
    FinanceReaction(const FinanceOutcome& outcome) { add(outcome); }  // NOLINT: a computation is a reaction
    void add(const FinanceOutcome& outcome) {
        if (!outcome.message.isEmpty()) messages << outcome.message;
        if (!outcome.focus.isEmpty()) focus = outcome.focus;
    }
    void add(const FinanceReaction& other) {
        messages << other.messages;
        if (!other.focus.isEmpty()) focus = other.focus;
        showSubsidy = showSubsidy || other.showSubsidy;
        closeSubsidy = closeSubsidy || other.closeSubsidy;
    }
};
