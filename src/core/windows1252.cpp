#include "core/windows1252.h"

namespace windows1252 {
namespace {
// 0x80..0x9F; the five holes of the code page decode to the replacement character.
constexpr char16_t High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                               0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                               0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
}  // namespace

QChar fromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return QChar(High[byte - 0x80]);
    return QChar(byte);
}

int toWindows1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (High[i] == u && u != 0xFFFD) return 0x80 + i;
    return -1;
}

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) *out++ = fromWindows1252(static_cast<unsigned char>(c)).unicode();
    return text;
}

bool encode(QStringView text, QByteArray& out) {
    out.reserve(out.size() + text.size());
    for (const QChar c : text) {
        const int byte = toWindows1252(c);
        if (byte < 0) return false;
        out.append(static_cast<char>(byte));
    }
    return true;
}

bool canEncode(QStringView text) {
    for (const QChar c : text)
        if (toWindows1252(c) < 0) return false;
    return true;
}

}  // namespace windows1252
