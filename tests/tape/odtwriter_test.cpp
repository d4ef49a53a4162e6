// The flat OpenDocument writer: text as typed (blanks kept), paragraph breaks, formatting and
// pictures, checked on the XML a word processor reads.
#include "support/qtprinters.h"
#include "tape/odtwriter.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The text of each paragraph as a reader rebuilds it: <text:s text:c="n"/> is n blanks.
QStringList paragraphTexts(const QByteArray& xml) {
    QStringList texts;
    QXmlStreamReader r(xml);
    bool inSpan = false;
    while (!r.atEnd()) {
        r.readNext();
        const QStringView name = r.qualifiedName();
        if (r.isStartElement() && name == QStringLiteral("text:p")) texts << QString();
        else if (r.isStartElement() && name == QStringLiteral("text:span")) inSpan = true;
        else if (r.isEndElement() && name == QStringLiteral("text:span")) inSpan = false;
        else if (r.isStartElement() && name == QStringLiteral("text:s"))
            texts.last() += QString(r.attributes().value("text:c").toInt(), u' ');
        else if (r.isCharacters() && inSpan) texts.last() += r.text();
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return texts;
}

TEST(OdtWriter, TypedTextKeepsBlanksAndBreaks) {
    struct Case {
        const char* name;
        QStringList pieces;
        QStringList paragraphs;
    } const cases[] = {
        {"pieces join", {"x = 3", "Term: x^2", "\r", "\r", "f(x) = 9"}, {"x = 3Term: x^2", "", "f(x) = 9"}},
        {"runs of blanks", {"x =  -1,   y = 1"}, {"x =  -1,   y = 1"}},
        {"leading blanks", {"   0.50000000"}, {"   0.50000000"}},
        {"markup characters", {"a<b & \"c\""}, {"a<b & \"c\""}},
    };
    for (const Case& c : cases) {
        OdtDocument doc;
        for (const QString& piece : c.pieces) doc.typeText(piece);
        EXPECT_EQ(paragraphTexts(doc.toXml()), c.paragraphs) << c.name;
    }
}

TEST(OdtWriter, FormattingAndPicture) {
    OdtDocument doc;
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    doc.addPicture(picture, OdtDocument::Alignment::Center);
    doc.addText("Summe", true, 14, OdtDocument::Alignment::Right);
    doc.typeText("weiter");
    const QByteArray xml = doc.toXml();
    EXPECT_EQ(paragraphTexts(xml), QStringList({"", "Summeweiter"}));
    EXPECT_TRUE(xml.contains("fo:font-weight=\"bold\" fo:font-size=\"14pt\""));
    EXPECT_TRUE(xml.contains("fo:text-align=\"end\""));
    EXPECT_TRUE(xml.contains("<office:binary-data>iVBOR")) << "PNG data";
    EXPECT_TRUE(xml.contains("svg:width=\"0.4167in\""));
}

}  // namespace
