#include "tape/journalformat.h"

#include <QDataStream>
#include <QIODevice>
#include <array>

namespace journal {

namespace {

constexpr char Magic[8] = {'K', 'a', 'l', 'k', 'T', 'a', 'p', 'e'};
constexpr qsizetype HeaderSize = sizeof(Magic) + 4;
constexpr qsizetype FrameSize = 8;  // length and checksum
constexpr quint8 LinesFrom = 1;
// No sane entry is larger; a longer length field is damage, not a reason to allocate.
constexpr quint32 MaxPayload = 512u * 1024 * 1024;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;

enum Flag : quint8 { Bold = 1, Italic = 2, Underline = 4, Strike = 8, HasColour = 16 };

void put(QDataStream& out, const rtf::CharFormat& f) {
    const quint8 flags = (f.bold ? Bold : 0) | (f.italic ? Italic : 0) | (f.underline ? Underline : 0) |
        (f.strike ? Strike : 0) | (f.colour ? HasColour : 0);
    out << f.font << qint32(f.halfPoints) << flags << quint32(f.colour.value_or(0));
}

void get(QDataStream& in, rtf::CharFormat& f) {
    qint32 halfPoints = 0;
    quint8 flags = 0;
    quint32 colour = 0;
    in >> f.font >> halfPoints >> flags >> colour;
    f.halfPoints = halfPoints;
    f.bold = flags & Bold;
    f.italic = flags & Italic;
    f.underline = flags & Underline;
    f.strike = flags & Strike;
    f.colour = (flags & HasColour) ? std::optional<uint32_t>(colour) : std::nullopt;
}

quint32 readU32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
}

void appendU32(QByteArray& out, quint32 v) {
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(bytes, 4);
}

// Applies one payload to the lines read so far; false when it is not a well-formed entry that
// fits them.
bool applyEntry(const QByteArray& payload, std::vector<rtf::Paragraph>& lines) {
    QDataStream in(payload);
    in.setVersion(StreamVersion);
    quint8 kind = 0;
    qint32 firstLine = 0;
    quint32 count = 0;
    in >> kind >> firstLine >> count;
    if (in.status() != QDataStream::Ok || kind != LinesFrom || firstLine < 0 ||
        static_cast<size_t>(firstLine) > lines.size())
        return false;
    std::vector<rtf::Paragraph> added;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        rtf::Paragraph p;
        quint8 alignment = 0;
        quint32 runs = 0;
        in >> alignment;
        get(in, p.markFormat);
        in >> runs;
        if (alignment > 2 || runs > static_cast<quint32>(payload.size())) return false;
        p.alignment = static_cast<Tape::Alignment>(alignment);
        for (quint32 r = 0; r < runs && in.status() == QDataStream::Ok; ++r) {
            rtf::Run run;
            in >> run.text;
            get(in, run.format);
            p.runs.push_back(std::move(run));
        }
        added.push_back(std::move(p));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd()) return false;
    lines.resize(static_cast<size_t>(firstLine));
    for (auto& p : added) lines.push_back(std::move(p));
    return true;
}

}  // namespace

quint32 crc32(const char* data, qsizetype size) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i) crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray header() {
    QByteArray out(Magic, sizeof(Magic));
    appendU32(out, FormatVersion);
    return out;
}

QByteArray entry(int firstLine, const std::vector<rtf::Paragraph>& lines) {
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        out << LinesFrom << qint32(firstLine) << quint32(lines.size());
        for (const rtf::Paragraph& p : lines) {
            out << quint8(p.alignment);
            put(out, p.markFormat);
            out << quint32(p.runs.size());
            for (const rtf::Run& r : p.runs) {
                out << r.text;
                put(out, r.format);
            }
        }
    }
    QByteArray framed;
    framed.reserve(payload.size() + FrameSize);
    appendU32(framed, static_cast<quint32>(payload.size()));
    appendU32(framed, crc32(payload.constData(), payload.size()));
    framed += payload;
    return framed;
}

Content read(const QByteArray& bytes) {
    Content content;
    if (bytes.size() < HeaderSize || !bytes.startsWith(QByteArray(Magic, sizeof(Magic))) ||
        readU32(bytes.constData() + sizeof(Magic)) != FormatVersion)
        return content;
    content.status = Content::Status::Whole;
    qsizetype at = HeaderSize;
    while (at < bytes.size()) {
        const qsizetype left = bytes.size() - at;
        const quint32 length = left >= FrameSize ? readU32(bytes.constData() + at) : 0;
        if (left < FrameSize || length > MaxPayload || static_cast<qsizetype>(length) > left - FrameSize ||
            crc32(bytes.constData() + at + FrameSize, length) != readU32(bytes.constData() + at + 4) ||
            !applyEntry(bytes.mid(at + FrameSize, length), content.lines)) {
            content.status = Content::Status::Damaged;
            break;
        }
        ++content.entries;
        at += FrameSize + length;
    }
    return content;
}

}  // namespace journal
