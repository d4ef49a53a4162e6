#pragma once
// Windows-1252, the Western European code page of the settings file and of RTF's \'xx escapes.
// The euro sign is the single byte 0x80.
#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

namespace windows1252 {

// The character of one byte; the five holes of the code page (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// decode to the replacement character U+FFFD.
QChar fromWindows1252(unsigned char byte);
// The byte of a character, or -1 when the code page has none.
int toWindows1252(QChar c);

QString decode(QByteArrayView bytes);
// Appends the bytes of `text` to `out`; false (and `out` partly written) when a character has
// no byte in the code page.
bool encode(QStringView text, QByteArray& out);
// True when every character of `text` has a byte in the code page.
bool canEncode(QStringView text);

}  // namespace windows1252
