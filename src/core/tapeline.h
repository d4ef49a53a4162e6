#pragma once
// The grammar of the lines the calculator records on the Tape: a number, a blank and a mark.
// Writers build their lines here and the undo walk reads them back here, so both always agree.
//
//   "12 ^"        first operand           "5 +"  "5 -"  "5 x"  "5 /"   operand with its operator
//   "17 T"        total (black or red)    "17 S"   subtotal            "7 Z"  repeat sum
//   "——————"      dash line above a total "(R2) 12 ^"  first operand after a calculator switch
//   "30 °"  "=  0,5 sin"                  a function and its result
#include <QChar>
#include <QString>

namespace tapeline {

inline constexpr QChar FirstOperand = u'^';
inline constexpr QChar Total = u'T';
inline constexpr QChar Subtotal = u'S';
inline constexpr QChar RepeatSum = u'Z';
inline constexpr QChar Percent = u'%';
inline constexpr QChar Result = u'=';
inline constexpr QChar Dash = QChar(0x2014);
// What the undo walk sees when the Tape holds no record line.
inline constexpr QChar NoLine = u'#';

// "12 ^", "17 T", "5 +": a number followed by its mark.
inline QString marked(const QString& number, QChar mark) { return number + u' ' + mark; }
// "=  0,5 sin": the result line of a function.
inline QString resultLine(const QString& number, const QString& functionMark) {
    return QStringLiteral("=  ") + number + functionMark;
}
// "(R1) " or "(R2) " before the first operand after a calculator switch.
inline QString calculatorTag(int calculator) {
    return calculator == 1 ? QStringLiteral("(R1) ") : QStringLiteral("(R2) ");
}
inline bool hasCalculatorTag(const QString& line) { return line.startsWith(QStringLiteral("(R")); }
inline constexpr qsizetype CalculatorTagLength = 5;
// A dash line of the given length.
inline QString dashes(qsizetype count) { return QString(count, Dash); }

// The mark a line ends with: its last character, or NoLine for an empty line.
inline QChar markOf(const QString& line) { return line.isEmpty() ? NoLine : line.back(); }
// Lines that carry a number the undo walk puts back into the first field.
inline bool isFieldMark(QChar mark) { return mark == Total || mark == FirstOperand || mark == Subtotal; }
// Lines that end a running sum: a subtotal shows only after one of these.
inline bool continuesSum(QChar mark) { return mark == u'+' || mark == u'-' || mark == RepeatSum; }

}  // namespace tapeline
