#pragma once
// Which rates of the currency list the ECB's reference rates would change, the question that
// shows it to the user, and the step that carries it out. Plain list work, no network.
//
// The list's rates are units of a currency per one unit of entry 0, the base currency. With the
// euro as base the feed's own texts are taken; with another base that the feed lists, every rate
// is the feed's rate divided by the base's. An entry is matched by its abbreviation (the name
// before the first comma), trimmed and in any case; "$", "£" and "€" stand for USD, GBP and EUR.
#include "currency/ecbfeed.h"

#include <QStringList>
#include <vector>

struct EcbRateChange {
    int index = 0;         // in the currency list
    QString abbreviation;  // as the list shows it, "$"
    QString oldRate, newRate;
};

struct EcbUpdatePlan {
    QDate date;
    std::vector<EcbRateChange> changes;
    QStringList missing;  // abbreviations of entries the feed does not list
    int matched = 0;      // entries after the base that the feed lists, changed or not
    // Set when the rates cannot be taken at all (the base currency is not in the feed); then
    // nothing else is set and this is the whole message.
    QString refusal;

    // Ask this when there are changes; else tell `unchangedMessage()`.
    bool needsQuestion() const { return refusal.isEmpty() && !changes.empty(); }
    QString question() const;
    QString unchangedMessage() const;
};

namespace ecbupdate {

// The feed's code for an abbreviation of the list, or an empty text when it names no code.
QString codeFor(const QString& abbreviation);

EcbUpdatePlan plan(const QStringList& names, const QStringList& rates, const EcbFeed& feed);

// Writes the planned rates; entries beyond the rate list get rates up to them first ("0"),
// as a saved list would.
void apply(const EcbUpdatePlan& plan, QStringList& rates);

}  // namespace ecbupdate
