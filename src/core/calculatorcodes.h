#pragma once
// The calculator's state codes. They stay plain ints and chars because the undo snapshot, the
// calculator slots and the settings file hold them as such; these names are how code speaks of them.
#include <QChar>
#include <QStringView>

namespace field {                       // ActiveField
inline constexpr int First = 1;         // Label1 takes input
inline constexpr int Second = 2;        // Label3 takes input
inline constexpr int Result = 3;        // a result is shown
inline constexpr int EditOwnsKeys = 4;  // an edit field of the Tape, a panel or the plotter has the keyboard
}  // namespace field

namespace entry {                        // EntryState
inline constexpr int Fresh = 0;          // nothing entered since the last result
inline constexpr int Typed = 1;          // a number was typed or put into a field
inline constexpr int AdditiveChain = 3;  // an additive chain is being computed
inline constexpr int PercentOrPi = 6;    // a percent operator or π was entered
inline constexpr int OnResult = 7;       // a function or a repetition works on a shown result
}  // namespace entry

namespace opclass {  // OperatorClass
inline constexpr int MultiplicativeOrNone = 0;
inline constexpr int Additive = 1;
inline constexpr int Function = 2;
}  // namespace opclass

namespace percent {              // PercentMode
inline constexpr int Plain = 0;  // "%"
inline constexpr int Plus = 1;   // "+%"
inline constexpr int Minus = 2;  // "-%"
}  // namespace percent

namespace repeat {  // RepeatMode
inline constexpr int Off = 0;
inline constexpr int StepRequested = 1;
inline constexpr int Repeating = 2;
}  // namespace repeat

namespace subtotal {                    // SubtotalMode
inline constexpr int Total = 0;         // close with a total line
inline constexpr int SubtotalLine = 1;  // close with a green subtotal line
inline constexpr int SumLineOnly = 2;   // close with a "Z" line only
}  // namespace subtotal

// Function codes in PendingOperator: square root, square, natural log, exponential, log10,
// log to a base, power.
namespace fn {
inline constexpr QChar SquareRoot = u's', Square = u'q', Ln = u'l', Exp = u'e', Log10 = u'd', LogBase = u'n',
                       Power = u'm';
inline constexpr QChar NoOperator = u'0';
inline bool isFunctionCode(QChar c) { return QStringView(u"sqledmn").contains(c); }
// Functions whose confirming "=" keeps the snapshot the key took. The power is left out on
// purpose: "=" after "hochN" takes a snapshot of the shown power, so undo returns to it (with
// its exponent) instead of dropping the exponent the user typed.
inline bool keepsSnapshotAtEquals(QChar c) { return c != Power && isFunctionCode(c); }
}  // namespace fn
