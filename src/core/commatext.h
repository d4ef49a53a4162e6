#pragma once
// The comma form in which the settings file keeps text lists (tax rates and names): an empty
// entry and a rate with a decimal comma survive a restart because they are quoted.
#include <QString>
#include <QStringList>
#include <QStringView>

// Comma form of a text list: entries separated by commas (blanks separate too). An entry holding
// a blank or control character, a comma or a double quote, and an empty entry, are written in
// double quotes with inner quotes doubled.
QStringList splitCommaText(QStringView text);
QString joinCommaText(const QStringList& entries);
