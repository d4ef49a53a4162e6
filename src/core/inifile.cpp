#include "core/inifile.h"

#include "core/windows1252.h"

#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray Crlf = QByteArrayLiteral("\r\n");

bool isBlankByte(char c) { return static_cast<unsigned char>(c) <= ' '; }

QByteArrayView trimmed(QByteArrayView bytes) {
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && isBlankByte(bytes[begin])) ++begin;
    while (end > begin && isBlankByte(bytes[end - 1])) --end;
    return bytes.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b) { return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0; }

// Magnitude and sign of an integer text: decimal, or hexadecimal after "$". Nothing beyond
// 32 bits of magnitude is read, so every caller can range-check without overflow.
struct IntegerText {
    bool hex = false;
    bool negative = false;
    uint64_t magnitude = 0;
};

std::optional<IntegerText> readIntegerText(QStringView text) {
    IntegerText result;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) result.negative = text[i++] == u'-';
    if (i < text.size() && text[i] == u'$') {
        result.hex = true;
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    const uint64_t base = result.hex ? 16 : 10;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
            : result.hex && c >= u'a' && c <= u'f' ? c - u'a' + 10
            : result.hex && c >= u'A' && c <= u'F' ? c - u'A' + 10
                                                   : -1;
        if (digit < 0) return std::nullopt;
        result.magnitude = result.magnitude * base + static_cast<uint64_t>(digit);
        if (result.magnitude > UINT32_MAX) return std::nullopt;
    }
    return result;
}

// The 32 bits of a hexadecimal text, its sign applied in 32-bit arithmetic.
uint32_t hexBits(const IntegerText& t) {
    const auto bits = static_cast<uint32_t>(t.magnitude);
    return t.negative ? 0u - bits : bits;
}

}  // namespace

// ---- Reading the bytes ----

IniFile IniFile::parse(QByteArrayView bytes) {
    IniFile ini;
    if (bytes.startsWith(QByteArrayView(Bom))) {
        ini.utf8_ = true;
        bytes = bytes.sliced(Bom.size());
    }
    ini.source_ = bytes.toByteArray();
    const char* data = ini.source_.constData();
    const qsizetype n = ini.source_.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && data[end] != '\n' && data[end] != '\r') ++end;
        qsizetype next = end;
        if (next < n) next += (data[next] == '\r' && next + 1 < n && data[next + 1] == '\n') ? 2 : 1;
        ini.parseLine(pos, end, next);
        pos = next;
    }
    return ini;
}

QString IniFile::decodeText(QByteArrayView bytes) const {
    if (!utf8_) return windows1252::decode(bytes);
    // A byte-order mark inside a line is text like any other: only the file's own one is dropped.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

void IniFile::parseLine(qsizetype begin, qsizetype end, qsizetype next) {
    Line line;
    line.begin = begin;
    line.size = end - begin;
    line.eolSize = next - end;
    line.read = true;
    const QByteArrayView raw = QByteArrayView(source_).sliced(begin, end - begin);
    const QByteArrayView text = trimmed(raw);
    const qsizetype offset = begin + (text.data() - raw.data());
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        Section section;
        section.name = decodeText(trimmed(text.sliced(1, (close < 0 ? text.size() : close) - 1)));
        section.header = line;
        indexSection(section.name, sections_.size());
        sections_.push_back(std::move(section));
        return;
    }
    if (const qsizetype eq = text.indexOf('='); eq > 0) {
        const QByteArrayView key = trimmed(text.first(eq)), value = trimmed(text.sliced(eq + 1));
        line.keyBegin = offset + (key.data() - text.data());
        line.keySize = key.size();
        line.valueBegin = offset + (value.data() - text.data());
        line.valueSize = value.size();
    }
    (sections_.empty() ? prelude_ : sections_.back().lines).push_back(line);
}

// ---- Reading values ----

bool IniFile::keyIs(const Line& line, QStringView key) const {
    if (line.changed) return sameName(line.key, key);
    const QByteArrayView bytes = QByteArrayView(source_).sliced(line.keyBegin, line.keySize);
    if (bytes.size() != key.size()) {
        // Decoding never changes the length of Windows-1252 or of ASCII text.
        if (!utf8_ || std::all_of(bytes.begin(), bytes.end(), [](char b) { return b >= 0; })) return false;
        return sameName(decodeText(bytes), key);
    }
    // Up to the first character beyond ASCII, bytes and characters match one to one: the common
    // all-ASCII key compares without decoding.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const char16_t c = key[i].unicode();
        if (b >= 0x80 || c >= 0x80) return sameName(decodeText(bytes), key);
        const bool letter = (b | 0x20) >= 'a' && (b | 0x20) <= 'z';
        if (b != c && !(letter && (b | 0x20) == (c | 0x20))) return false;
    }
    return true;
}

QString IniFile::keyOf(const Line& line) const {
    return line.changed ? line.key : decodeText(QByteArrayView(source_).sliced(line.keyBegin, line.keySize));
}

QString IniFile::valueOf(const Line& line) const {
    return line.changed ? line.value : decodeText(QByteArrayView(source_).sliced(line.valueBegin, line.valueSize));
}

bool IniFile::isBlank(const Line& line) const {
    return !line.changed && trimmed(QByteArrayView(source_).sliced(line.begin, line.size)).isEmpty();
}

// Files with a thousand financial scenarios have a thousand sections: looked up by name, not walked.
void IniFile::indexSection(const QString& name, size_t index) { sectionIndex_.try_emplace(name.toCaseFolded(), index); }

const IniFile::Section* IniFile::findSection(QStringView name) const {
    const auto found = sectionIndex_.find(name.toString().toCaseFolded());
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const IniFile::Line* IniFile::findKey(const Section& section, QStringView key) const {
    for (const Line& line : section.lines)
        if (isKey(line) && keyIs(line, key)) return &line;
    return nullptr;
}

const IniFile::Line* IniFile::findKey(QStringView section, QStringView key) const {
    const Section* s = findSection(section);
    return s ? findKey(*s, key) : nullptr;
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const {
    const Line* line = findKey(section, key);
    return line ? std::optional<QString>(valueOf(*line)) : std::nullopt;
}

bool IniFile::sectionExists(QStringView section) const { return findSection(section) != nullptr; }

bool IniFile::keyExists(QStringView section, QStringView key) const { return findKey(section, key) != nullptr; }

QStringList IniFile::sectionNames() const {
    QStringList names;
    QSet<QString> seen;
    for (const Section& s : sections_)
        if (!seen.contains(s.name.toCaseFolded())) {
            seen.insert(s.name.toCaseFolded());
            names += s.name;
        }
    return names;
}

QStringList IniFile::keys(QStringView section) const {
    QStringList result;
    QSet<QString> seen;
    if (const Section* s = findSection(section))
        for (const Line& line : s->lines) {
            if (!isKey(line)) continue;
            const QString key = keyOf(line);
            if (seen.contains(key.toCaseFolded())) continue;
            seen.insert(key.toCaseFolded());
            result += key;
        }
    return result;
}

QString IniFile::readString(QStringView section, QStringView key, const QString& defaultValue) const {
    return value(section, key).value_or(defaultValue);
}

int IniFile::readInteger(QStringView section, QStringView key, int defaultValue) const {
    const std::optional<QString> v = value(section, key);
    const std::optional<IntegerText> t = v ? readIntegerText(*v) : std::nullopt;
    if (!t) return defaultValue;
    if (t->hex) return static_cast<int>(hexBits(*t));
    if (t->magnitude > (t->negative ? uint64_t(INT_MAX) + 1 : uint64_t(INT_MAX))) return defaultValue;
    return t->negative ? static_cast<int>(-static_cast<int64_t>(t->magnitude)) : static_cast<int>(t->magnitude);
}

uint8_t IniFile::readByte(QStringView section, QStringView key, uint8_t defaultValue) const {
    return static_cast<uint8_t>(readInteger(section, key, defaultValue) & 0xFF);
}

bool IniFile::readBool(QStringView section, QStringView key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

uint32_t IniFile::readColour(QStringView section, QStringView key, uint32_t defaultValue) const {
    const std::optional<QString> v = value(section, key);
    const std::optional<IntegerText> t = v ? readIntegerText(*v) : std::nullopt;
    if (!t) return defaultValue;
    if (t->hex) return hexBits(*t);
    if (t->negative && t->magnitude > uint64_t(INT_MAX) + 1) return defaultValue;
    return t->negative ? 0u - static_cast<uint32_t>(t->magnitude) : static_cast<uint32_t>(t->magnitude);
}

QStringList IniFile::readCommaText(QStringView section, QStringView key, QStringView defaultText) const {
    const std::optional<QString> v = value(section, key);
    return splitCommaText(v ? QStringView(*v) : defaultText);
}

QStringList IniFile::readList(QStringView section) const {
    const Section* s = findSection(section);
    if (!s) return {};
    // One pass: the first line of every key "0" … "n-1" (n = the number of lines, so no larger
    // key can belong to an unbroken list), then the list up to the first gap.
    std::vector<const Line*> byIndex(s->lines.size(), nullptr);
    for (const Line& line : s->lines) {
        if (!isKey(line)) continue;
        const QString key = keyOf(line);
        bool ok = false;
        const uint index = key.toUInt(&ok);
        if (ok && index < byIndex.size() && !byIndex[index] && key == QString::number(index)) byIndex[index] = &line;
    }
    QStringList list;
    for (const Line* line : byIndex) {
        if (!line) break;
        list += valueOf(*line);
    }
    return list;
}

// ---- Writing ----

IniFile::Section& IniFile::sectionForWriting(QStringView name) {
    if (const Section* existing = findSection(name)) return sections_[static_cast<size_t>(existing - sections_.data())];
    Section section;
    section.name = name.toString();
    section.name.replace(u'\r', u' ').replace(u'\n', u' ');
    section.header.changed = true;
    section.header.text = u'[' + section.name + u']';
    indexSection(section.name, sections_.size());
    sections_.push_back(std::move(section));
    return sections_.back();
}

int IniFile::rankOf(QStringView section, QStringView key) const {
    for (const KeyOrder& order : orders_) {
        if (!sameName(order.section, section)) continue;
        for (qsizetype i = 0; i < order.keys.size(); ++i)
            if (sameName(order.keys[i], key)) return static_cast<int>(i);
    }
    return INT_MAX;
}

void IniFile::writeString(QStringView section, QStringView key, const QString& value) {
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    Section& s = sectionForWriting(section);
    const auto setLine = [&](Line& line) {
        line.key = key.toString();
        line.value = v;
        line.text = line.key + u'=' + v;
        line.changed = true;
    };
    for (Line& line : s.lines) {
        if (!isKey(line) || !keyIs(line, key)) continue;
        // Writing what the line already says leaves it as it was, blanks and all.
        if (keyOf(line) != key || valueOf(line) != v) setLine(line);
        return;
    }
    Line line;
    setLine(line);
    line.added = true;
    line.rank = rankOf(s.name, key);
    // After the section's last non-blank line (blank lines keep separating it from the next one),
    // and among the keys added before by their rank.
    size_t pos = s.lines.size();
    while (pos > 0 && isBlank(s.lines[pos - 1])) --pos;
    while (pos > 0 && s.lines[pos - 1].added && s.lines[pos - 1].rank > line.rank) --pos;
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(pos), std::move(line));
}

void IniFile::writeInteger(QStringView section, QStringView key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(QStringView section, QStringView key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeColour(QStringView section, QStringView key, uint32_t colour) {
    writeInteger(section, key, static_cast<int>(colour));
}

void IniFile::writeCommaText(QStringView section, QStringView key, const QStringList& entries) {
    writeString(section, key, joinCommaText(entries));
}

void IniFile::writeList(QStringView section, const QStringList& entries) {
    eraseSection(section);
    for (qsizetype i = 0; i < entries.size(); ++i) writeString(section, QString::number(i), entries[i]);
}

void IniFile::eraseSection(QStringView section) {
    if (std::erase_if(sections_, [&](const Section& s) { return sameName(s.name, section); }) == 0) return;
    sectionIndex_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) indexSection(sections_[i].name, i);
}

void IniFile::setKeyOrder(QStringView section, const QStringList& order) {
    std::erase_if(orders_, [&](const KeyOrder& o) { return sameName(o.section, section); });
    orders_.push_back({section.toString(), order});
}

// ---- Writing the bytes ----

bool IniFile::fitsCodePage() const {
    const auto fits = [](const Line& line) { return !line.changed || windows1252::canEncode(line.text); };
    if (!std::all_of(prelude_.begin(), prelude_.end(), fits)) return false;
    for (const Section& s : sections_)
        if (!fits(s.header) || !std::all_of(s.lines.begin(), s.lines.end(), fits)) return false;
    return true;
}

// A line read from a Windows-1252 file is re-encoded only when the file has to become UTF-8.
void IniFile::appendLine(QByteArray& out, const Line& line, bool utf8, bool& breakPending) const {
    if (breakPending) out += Crlf;
    const QByteArrayView raw = QByteArrayView(source_).sliced(line.begin, line.size);
    if (!line.changed) out += utf8 && !utf8_ ? windows1252::decode(raw).toUtf8() : raw.toByteArray();
    else if (utf8) out += line.text.toUtf8();
    else windows1252::encode(line.text, out);
    if (line.read) out += QByteArrayView(source_).sliced(line.begin + line.size, line.eolSize);
    else out += Crlf;
    breakPending = line.read && line.eolSize == 0;
}

QByteArray IniFile::serialize() const {
    const bool utf8 = utf8_ || !fitsCodePage();
    QByteArray out;
    out.reserve(source_.size() + 256);
    if (utf8) out += Bom;
    bool breakPending = false;
    for (const Line& line : prelude_) appendLine(out, line, utf8, breakPending);
    for (const Section& s : sections_) {
        appendLine(out, s.header, utf8, breakPending);
        for (const Line& line : s.lines) appendLine(out, line, utf8, breakPending);
    }
    return out;
}
