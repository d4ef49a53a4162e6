#include "tape/rtfwriter.h"

#include "tape/rtfdocument.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <optional>
#include <vector>

namespace rtf {
namespace {

struct Tables {
    QStringList fonts;
    std::vector<uint32_t> colours;  // index 0 of the RTF table is the automatic colour

    int font(const QString& name) {
        qsizetype i = fonts.indexOf(name);
        if (i < 0) {
            fonts << name;
            i = fonts.size() - 1;
        }
        return static_cast<int>(i);
    }
    int colour(uint32_t bgr) {
        for (size_t i = 0; i < colours.size(); ++i)
            if (colours[i] == bgr) return static_cast<int>(i) + 1;
        colours.push_back(bgr);
        return static_cast<int>(colours.size());
    }
};

void escapeText(QByteArray& out, const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == 0x2028 || u == 0x2029) {
            out += "\\line ";
        } else if (u == 0x00A0) {
            out += "\\~";
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x20) {
            // other control characters carry nothing a reader could show
        } else if (const int b = toWindows1252(c); b >= 0) {
            out += "\\'";
            out += QByteArray::number(b, 16).rightJustified(2, '0');
        } else {
            out += "\\u";
            out += QByteArray::number(static_cast<int16_t>(u));
            out += '?';
        }
    }
}

QByteArray alignmentWord(Qt::Alignment a) {
    if (a & Qt::AlignRight) return "\\qr";
    if (a & Qt::AlignHCenter) return "\\qc";
    return "\\ql";
}

void appendFontName(QByteArray& out, const QString& name) { escapeText(out, name); }

void writeParagraph(QByteArray& body, Tables& tables, const QTextBlock& block, const QFont& base) {
    body += "\\pard";
    body += alignmentWord(block.blockFormat().alignment());
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        const CharFormat f = effectiveFormat(fragment.charFormat(), base);
        body += "\\plain\\f" + QByteArray::number(tables.font(f.font));
        body += "\\fs" + QByteArray::number(f.halfPoints);
        if (f.bold) body += "\\b";
        if (f.italic) body += "\\i";
        if (f.underline) body += "\\ul";
        if (f.strike) body += "\\strike";
        if (f.colour) body += "\\cf" + QByteArray::number(tables.colour(*f.colour));
        body += ' ';
        escapeText(body, fragment.text());
        any = true;
    }
    if (!any) {
        // An empty line keeps the size of its typing attributes, so it is as tall as written.
        const CharFormat f = effectiveFormat(block.charFormat(), base);
        body += "\\plain\\f" + QByteArray::number(tables.font(f.font)) + "\\fs" + QByteArray::number(f.halfPoints);
    }
    body += "\\par\n";
}

}  // namespace

CharFormat effectiveFormat(const QTextCharFormat& f, const QFont& base) {
    CharFormat out;
    const QStringList families = f.fontFamilies().toStringList();
    out.font = !families.isEmpty() ? families.first() : base.family();
    const double points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
    out.halfPoints = std::max(2, static_cast<int>(std::lround(points * 2)));
    out.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold : base.bold();
    out.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic();
    out.underline = f.hasProperty(QTextFormat::TextUnderlineStyle) ? f.fontUnderline() : base.underline();
    out.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : base.strikeOut();
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
        const QColor c = f.foreground().color();
        out.colour = static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
            static_cast<uint32_t>(c.blue()) << 16;
    }
    return out;
}

QByteArray write(const std::vector<const QTextDocument*>& documents) {
    const QFont base = documents.empty() ? QFont() : documents.front()->defaultFont();
    Tables tables;
    tables.font(base.family());
    QByteArray body;
    qsizetype characters = 0;
    for (const QTextDocument* d : documents) characters += d->characterCount();
    body.reserve(characters * 4 + 64);
    for (const QTextDocument* document : documents)
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            writeParagraph(body, tables, block, base);

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype i = 0; i < tables.fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        appendFontName(out, tables.fonts[i]);
        out += ";}";
    }
    out += "}\n{\\colortbl ;";
    for (uint32_t c : tables.colours)
        out += "\\red" + QByteArray::number(c & 0xFF) + "\\green" + QByteArray::number((c >> 8) & 0xFF) + "\\blue" +
            QByteArray::number((c >> 16) & 0xFF) + ";";
    out += "}\n";
    out += body;
    out += "}\n";
    return out;
}

}  // namespace rtf
