// A tolerant RTF reader: one pass over the bytes, a stack of group states, and a small set of
// words that matter for a Tape (text, paragraphs, alignment, fonts, colours, sizes, styles).
// Every step consumes input, so malformed files end; nothing is trusted to be balanced.
#include "tape/rtfdocument.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace rtf {

QString Paragraph::text() const {
    QString out;
    for (const Run& r : runs) out += r.text;
    return out;
}

namespace {

constexpr int MaxWordLength = 32;
constexpr int MaxDepth = 4096;  // deeper groups are still counted, but share their parent's state

enum class Destination { Text, FontTable, ColourTable, Skip };

struct GroupState {
    CharFormat format;
    int font = -1;
    int colourIndex = 0;
    Tape::Alignment alignment = Tape::Alignment::Left;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

// Destinations whose content is never Tape text.
constexpr std::array<std::string_view, 46> SkippedDestinations = {"info",
                                                                  "stylesheet",
                                                                  "pict",
                                                                  "header",
                                                                  "headerl",
                                                                  "headerr",
                                                                  "headerf",
                                                                  "footer",
                                                                  "footerl",
                                                                  "footerr",
                                                                  "footerf",
                                                                  "footnote",
                                                                  "object",
                                                                  "fldinst",
                                                                  "listtable",
                                                                  "listoverridetable",
                                                                  "revtbl",
                                                                  "rsidtbl",
                                                                  "xe",
                                                                  "tc",
                                                                  "annotation",
                                                                  "atnid",
                                                                  "atnauthor",
                                                                  "txe",
                                                                  "filetbl",
                                                                  "themedata",
                                                                  "colorschememapping",
                                                                  "latentstyles",
                                                                  "datastore",
                                                                  "nonshppict",
                                                                  "shp",
                                                                  "shpinst",
                                                                  "sp",
                                                                  "generator",
                                                                  "pgdsctbl",
                                                                  "userprops",
                                                                  "docvar",
                                                                  "background",
                                                                  "private",
                                                                  "ftnsep",
                                                                  "ftnsepc",
                                                                  "aftnsep",
                                                                  "aftnsepc",
                                                                  "listtext",
                                                                  "pntext",
                                                                  "field-private"};

bool isSkippedDestination(std::string_view word) {
    return std::find(SkippedDestinations.begin(), SkippedDestinations.end(), word) != SkippedDestinations.end();
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Parser {
public:
    explicit Parser(const QByteArray& bytes) : p_(bytes.constData()), end_(p_ + bytes.size()) {}

    Document run() {
        while (p_ < end_) step();
        if (!paragraph_.runs.empty()) endParagraph();
        return std::move(doc_);
    }

private:
    void step() {
        const char c = *p_++;
        switch (c) {
        case '{':
            skipChars_ = 0;
            if (stack_.size() < MaxDepth) stack_.push_back(state_);
            else ++overflowDepth_;
            break;
        case '}':
            skipChars_ = 0;
            if (overflowDepth_ > 0) --overflowDepth_;
            else if (!stack_.empty()) {
                leaveGroup();
                state_ = stack_.back();
                stack_.pop_back();
            }
            break;
        case '\\': controlSequence(); break;
        case '\r':
        case '\n': break;
        default:
            if (skipChars_ > 0) {
                --skipChars_;
                break;
            }
            if (c == '\t') put(u'\t');
            else if (static_cast<unsigned char>(c) >= 0x20) put(fromWindows1252(static_cast<unsigned char>(c)));
            break;
        }
    }

    // A font entry ends with its group even when the ';' is missing.
    void leaveGroup() {
        if (state_.destination == Destination::FontTable && !fontName_.isEmpty()) commitFont();
    }

    void controlSequence() {
        if (p_ >= end_) return;
        const char c = *p_;
        if (!isLetter(c)) {
            ++p_;
            controlSymbol(c);
            return;
        }
        const char* start = p_;
        while (p_ < end_ && isLetter(*p_) && p_ - start < MaxWordLength) ++p_;
        const std::string_view word(start, static_cast<size_t>(p_ - start));
        while (p_ < end_ && isLetter(*p_)) ++p_;  // an overlong word is cut, not split
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (p_ < end_ && *p_ == '-' && p_ + 1 < end_ && isDigit(p_[1])) {
            negative = true;
            ++p_;
        }
        while (p_ < end_ && isDigit(*p_)) {
            hasParam = true;
            if (param < 100000000) param = param * 10 + (*p_ - '0');
            ++p_;
        }
        if (p_ < end_ && *p_ == ' ') ++p_;
        const int value = static_cast<int>(negative ? -param : param);

        if (word == "bin") {  // binary data, in any destination
            const long long n = std::min<long long>(hasParam ? std::max(0, value) : 0, end_ - p_);
            p_ += n;
            return;
        }
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        if (state_.destination == Destination::Skip) return;
        controlWord(word, hasParam, value);
    }

    void controlSymbol(char c) {
        if (c == '\'') {
            int byte = -1;
            if (end_ - p_ >= 2 && hexValue(p_[0]) >= 0 && hexValue(p_[1]) >= 0) {
                byte = hexValue(p_[0]) * 16 + hexValue(p_[1]);
                p_ += 2;
            }
            if (skipChars_ > 0) {
                --skipChars_;
                return;
            }
            if (byte >= 0) put(fromWindows1252(static_cast<unsigned char>(byte)));
            return;
        }
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        switch (c) {
        case '*': state_.destination = Destination::Skip; break;
        case '\\':
        case '{':
        case '}': put(QChar::fromLatin1(c)); break;
        case '~': put(QChar(0x00A0)); break;
        case '_': put(u'-'); break;
        case '\r':
        case '\n':
            if (state_.destination == Destination::Text) endParagraph();
            break;
        default: break;
        }
    }

    void controlWord(std::string_view w, bool hasParam, int value) {
        const bool on = !hasParam || value != 0;
        if (isSkippedDestination(w)) {
            state_.destination = Destination::Skip;
        } else if (w == "fonttbl") {
            state_.destination = Destination::FontTable;
        } else if (w == "colortbl") {
            state_.destination = Destination::ColourTable;
        } else if (state_.destination == Destination::FontTable) {
            if (w == "f") {
                if (!fontName_.isEmpty()) commitFont();
                fontNumber_ = value;
            }
        } else if (state_.destination == Destination::ColourTable) {
            const int component = std::clamp(value, 0, 255);
            if (w == "red") red_ = component, colourSeen_ = true;
            else if (w == "green") green_ = component, colourSeen_ = true;
            else if (w == "blue") blue_ = component, colourSeen_ = true;
        } else {
            formattingWord(w, hasParam, value, on);
        }
    }

    void formattingWord(std::string_view w, bool hasParam, int value, bool on) {
        CharFormat& f = state_.format;
        if (w == "par" || w == "line" || w == "row") endParagraph();
        else if (w == "pard") state_.alignment = Tape::Alignment::Left;
        else if (w == "ql" || w == "qj" || w == "qd") state_.alignment = Tape::Alignment::Left;
        else if (w == "qr") state_.alignment = Tape::Alignment::Right;
        else if (w == "qc") state_.alignment = Tape::Alignment::Center;
        else if (w == "plain") {
            f = CharFormat();
            state_.font = -1;
            state_.colourIndex = 0;
        } else if (w == "b") f.bold = on;
        else if (w == "i") f.italic = on;
        else if (w == "strike" || w == "striked") f.strike = on;
        else if (w == "ulnone") f.underline = false;
        else if (w.starts_with("ul") && w != "ulc") f.underline = on;
        else if (w == "f") state_.font = value;
        else if (w == "fs") f.halfPoints = std::clamp(hasParam ? value : 24, 2, 3276);
        else if (w == "cf") state_.colourIndex = value;
        else if (w == "deff") defaultFont_ = value;
        else if (w == "uc") state_.unicodeSkip = std::clamp(value, 0, 16);
        else if (w == "u") {
            if (value != 0) put(QChar(static_cast<char16_t>(value < 0 ? value + 65536 : value)));
            skipChars_ = state_.unicodeSkip;
        } else if (w == "tab" || w == "cell") put(u'\t');
        else if (w == "emdash") put(QChar(0x2014));
        else if (w == "endash") put(QChar(0x2013));
        else if (w == "bullet") put(QChar(0x2022));
        else if (w == "lquote") put(QChar(0x2018));
        else if (w == "rquote") put(QChar(0x2019));
        else if (w == "ldblquote") put(QChar(0x201C));
        else if (w == "rdblquote") put(QChar(0x201D));
        else if (w == "emspace" || w == "enspace" || w == "qmspace") put(u' ');
    }

    void put(QChar c) {
        if (state_.destination == Destination::FontTable) {
            if (c == u';') commitFont();
            else fontName_ += c;
            return;
        }
        if (state_.destination == Destination::ColourTable) {
            if (c == u';') commitColour();
            return;
        }
        if (state_.destination != Destination::Text) return;
        const CharFormat f = currentFormat();
        if (paragraph_.runs.empty() || !(paragraph_.runs.back().format == f)) paragraph_.runs.push_back({QString(), f});
        paragraph_.runs.back().text += c;
    }

    CharFormat currentFormat() const {
        CharFormat f = state_.format;
        f.font = fontName(state_.font);
        const int ci = state_.colourIndex;
        f.colour =
            (ci > 0 && ci < static_cast<int>(colours_.size())) ? colours_[static_cast<size_t>(ci)] : std::nullopt;
        return f;
    }

    QString fontName(int number) const {
        auto it = fonts_.find(number < 0 ? defaultFont_ : number);
        if (it == fonts_.end()) it = fonts_.find(defaultFont_);
        return it == fonts_.end() ? QString() : it->second;
    }

    void commitFont() {
        fonts_[fontNumber_] = fontName_.trimmed();
        fontName_.clear();
    }

    void commitColour() {
        if (colours_.size() < 4096) {
            if (colourSeen_)
                colours_.push_back(static_cast<uint32_t>(red_) | static_cast<uint32_t>(green_) << 8 |
                                   static_cast<uint32_t>(blue_) << 16);
            else colours_.push_back(std::nullopt);
        }
        red_ = green_ = blue_ = 0;
        colourSeen_ = false;
    }

    void endParagraph() {
        paragraph_.alignment = state_.alignment;
        paragraph_.markFormat = currentFormat();
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph();
    }

    const char* p_;
    const char* end_;
    std::vector<GroupState> stack_;
    GroupState state_;
    int overflowDepth_ = 0;
    int skipChars_ = 0;
    std::map<int, QString> fonts_;
    int defaultFont_ = 0;
    int fontNumber_ = 0;
    QString fontName_;
    std::vector<std::optional<uint32_t>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourSeen_ = false;
    Paragraph paragraph_;
    Document doc_;
};

}  // namespace

bool isRtf(const QByteArray& bytes) {
    QByteArrayView v(bytes);
    if (v.startsWith("\xEF\xBB\xBF")) v = v.sliced(3);
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t' || v.front() == '\r' || v.front() == '\n'))
        v = v.sliced(1);
    return v.startsWith("{\\rtf");
}

Document parseRtf(const QByteArray& bytes) { return Parser(bytes).run(); }

Document parsePlainText(const QByteArray& bytes) {
    QString text;
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            text = windows1252::decode(bytes);
        }
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    Document doc;
    doc.plain = true;
    qsizetype start = 0;
    const qsizetype n = text.size();
    auto addLine = [&](qsizetype from, qsizetype to) {
        Paragraph p;
        if (to > from) p.runs.push_back({text.mid(from, to - from), CharFormat()});
        doc.paragraphs.push_back(std::move(p));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        addLine(start, i);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) addLine(start, n);
    return doc;
}

Document read(const QByteArray& bytes) { return isRtf(bytes) ? parseRtf(bytes) : parsePlainText(bytes); }

}  // namespace rtf
