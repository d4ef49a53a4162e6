#pragma once
// The settings file's format in memory: [Section] headers and key=value lines, sections and keys
// compared without regard to case, blanks around keys and values ignored, the first of two equal
// keys counts. Bytes are Windows-1252 (the euro sign is 0x80) unless the file starts with a UTF-8
// byte-order mark. Writing keeps every line the caller did not change byte for byte, so hand
// edits, comments and the keys of other windows survive; a changed key keeps its place, new keys
// go to the end of their section and new sections to the end of the file.
#include "core/commatext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class IniFile {
public:
    // Never fails: a line that is neither a header nor a key line is kept as it is.
    static IniFile parse(QByteArrayView bytes);
    // Lines end in CR LF unless they were read with another ending. Windows-1252 while every text
    // fits the code page; otherwise (or when it was read so) UTF-8 with a byte-order mark.
    QByteArray serialize() const;

    // ---- Reading ----
    bool sectionExists(QStringView section) const;
    bool keyExists(QStringView section, QStringView key) const;
    // Every section name once, spelled as first met, in file order.
    QStringList sectionNames() const;
    // The keys of a section once each, in file order.
    QStringList keys(QStringView section) const;

    // The text as stored: quotes are part of it.
    QString readString(QStringView section, QStringView key, const QString& defaultValue) const;
    // Decimal, or hexadecimal after "$", optionally signed; anything else, and anything beyond
    // 32 bits, gives the default. "$FFFFFFFF" is -1.
    int readInteger(QStringView section, QStringView key, int defaultValue) const;
    // An integer held in one byte: only its low 8 bits count (257 gives 1, -1 gives 255).
    uint8_t readByte(QStringView section, QStringView key, uint8_t defaultValue) const;
    // True for any non-zero integer.
    bool readBool(QStringView section, QStringView key, bool defaultValue) const;
    // A colour 0x00BBGGRR or a system colour 0x800000nn, stored signed or unsigned.
    uint32_t readColour(QStringView section, QStringView key, uint32_t defaultValue) const;
    // A list in comma form; a missing key reads the default comma text.
    QStringList readCommaText(QStringView section, QStringView key, QStringView defaultText) const;
    // The values of keys "0", "1", "2", … up to the first missing one.
    QStringList readList(QStringView section) const;

    // ---- Writing ----
    // Line breaks in a value become blanks: one value, one line. Blanks around it are not kept.
    void writeString(QStringView section, QStringView key, const QString& value);
    void writeInteger(QStringView section, QStringView key, int value);
    void writeBool(QStringView section, QStringView key, bool value);
    // Written signed, as the colour type of the file's first writers was.
    void writeColour(QStringView section, QStringView key, uint32_t colour);
    void writeCommaText(QStringView section, QStringView key, const QStringList& entries);
    // Replaces the section by keys "0", "1", … for the entries; an empty list leaves no section.
    void writeList(QStringView section, const QStringList& entries);
    // Removes every section of that name with all its lines.
    void eraseSection(QStringView section);
    // Keys written new into `section` take their place among the other new keys by this order;
    // keys not named follow them in the order written.
    void setKeyOrder(QStringView section, const QStringList& order);

private:
    // A line read stays bytes of `source_` until it is written; reading decodes only the keys
    // and values asked for, so start-up does not pay for the sections of other windows.
    struct Line {
        qsizetype begin = 0, size = 0;        // the bytes without the line break
        qsizetype keyBegin = 0, keySize = 0;  // keySize 0: not a key line
        qsizetype valueBegin = 0, valueSize = 0;
        qsizetype eolSize = 0;  // the line break as read: CR LF, LF, CR or none
        bool read = false;      // false: written by us, ends in CR LF
        bool changed = false;   // regenerated from `text` when written
        bool added = false;
        int rank = 0;              // place among added keys
        QString key, value, text;  // changed lines only
    };
    struct Section {
        QString name;
        Line header;
        std::vector<Line> lines;
    };
    struct KeyOrder {
        QString section;
        QStringList keys;
    };

    void indexSection(const QString& name, size_t index);
    const Section* findSection(QStringView name) const;
    Section& sectionForWriting(QStringView section);
    const Line* findKey(const Section& section, QStringView key) const;
    const Line* findKey(QStringView section, QStringView key) const;
    bool isKey(const Line& line) const { return line.changed ? !line.key.isEmpty() : line.keySize > 0; }
    bool keyIs(const Line& line, QStringView key) const;
    QString keyOf(const Line& line) const;
    QString valueOf(const Line& line) const;
    bool isBlank(const Line& line) const;
    std::optional<QString> value(QStringView section, QStringView key) const;
    int rankOf(QStringView section, QStringView key) const;
    void parseLine(qsizetype begin, qsizetype end, qsizetype next);
    QString decodeText(QByteArrayView bytes) const;
    bool fitsCodePage() const;
    void appendLine(QByteArray& out, const Line& line, bool utf8, bool& breakPending) const;

    QByteArray source_;          // the file as read
    std::vector<Line> prelude_;  // lines before the first header
    std::vector<Section> sections_;
    std::unordered_map<QString, size_t> sectionIndex_;  // case-folded name → first section of that name
    std::vector<KeyOrder> orders_;
    bool utf8_ = false;
};
