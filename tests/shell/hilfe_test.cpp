// The help page that ships beside the program: its anchors, its links, no outside resource, and
// the two sections other windows open.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

class HelpPageTest : public ::testing::Test {
protected:
    static QString page() {
        static const QString text = [] {
            QFile file(QStringLiteral(KALKULO_HELP_FILE));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            QStringDecoder utf8(QStringDecoder::Utf8);
            QString decoded = utf8(file.readAll());
            EXPECT_FALSE(utf8.hasError()) << "the page is UTF-8";
            return decoded;
        }();
        return text;
    }
    static QSet<QString> ids() {
        QSet<QString> found;
        for (const auto& m : QRegularExpression(QStringLiteral("id=\"([^\"]+)\"")).globalMatch(page()))
            found << m.captured(1);
        return found;
    }
    // From the heading with that id up to the next second-level heading.
    static QString section(const QString& id) {
        const qsizetype start = page().indexOf(QStringLiteral("id=\"%1\"").arg(id));
        const qsizetype end = page().indexOf(QStringLiteral("<h2"), start + 1);
        return start < 0 ? QString() : page().mid(start, end < 0 ? -1 : end - start);
    }
};

TEST_F(HelpPageTest, AnchorsAndLinksResolve) {
    EXPECT_TRUE(page().contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_TRUE(ids().contains(QStringLiteral("Finanz")));
    EXPECT_TRUE(ids().contains(QStringLiteral("Funktionen")));
    for (const auto& m : QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(page())) {
        const QString target = m.captured(1);
        ASSERT_TRUE(target.startsWith(u'#')) << "no link leaves the page: " << target.toStdString();
        EXPECT_TRUE(ids().contains(target.mid(1))) << target.toStdString();
    }
    for (const char* outside : {"src=", "<link", "url(", "@import", "<script"})
        EXPECT_FALSE(page().contains(QString::fromLatin1(outside))) << outside;
}

TEST_F(HelpPageTest, FunctionsSectionNamesEveryOperatorConstantAndMessage) {
    const QString functions = section(QStringLiteral("Funktionen"));
    const char* names[] = {"+",       "-",      "*",    "/",    "mod",  "div", "round", "abs", "min",
                           "max",     "floor",  "ceil", "^",    "sqrt", "exp", "ln",    "log", "arcsin",
                           "arccos",  "arctan", "sinh", "cosh", "tanh", "sin", "cos",   "tan", "deg2rad",
                           "rad2deg", "pi",     "e",    "x",    "a",    "b",   "c"};
    for (const char* name : names)
        EXPECT_TRUE(functions.contains(QStringLiteral("<code>%1</code>").arg(QString::fromLatin1(name)))) << name;
    for (const char* message : {"Fehlerhafte Syntax", "Invalid Argument", "Division durch Null!", "Division by zero",
                                "Unbekannter Fehler", "FehlerNr.: "})
        EXPECT_TRUE(functions.contains(QString::fromLatin1(message))) << message;
}

TEST_F(HelpPageTest, FinanceSectionCoversTheWindow) {
    const QString finance = section(QStringLiteral("Finanz"));
    for (const char* topic :
         {"Tilgungsplan", "Sondertilgungen", "Zinsänderungen", "Förderung", "Anlage", "Eintrag speichern", "Tape"})
        EXPECT_TRUE(finance.contains(QString::fromUtf8(topic))) << topic;
}

TEST_F(HelpPageTest, EveryKeyOfTheKeyboardIsExplained) {
    QStringList keys;
    for (int f : {1, 2, 3, 4, 5, 8, 9, 11, 12}) keys << QStringLiteral("F%1").arg(f);
    keys << QStringLiteral("Enter") << QStringLiteral("Rück") << QStringLiteral("Entf") << QStringLiteral("Einfg")
         << QStringLiteral("Pos1") << QStringLiteral("Ende") << QStringLiteral("Bild↑") << QStringLiteral("Bild↓")
         << QStringLiteral("Esc") << QStringLiteral("Strg") << QStringLiteral("Alt");
    for (const char* c :
         {".", "p", "a", "x", "y", "t", "w", "W", "q", "o", "f", "e", "E", "s", "g", "r", "&lt;", "&gt;", "i", "u"})
        keys << QString::fromLatin1(c);
    for (const QString& key : keys)
        EXPECT_TRUE(page().contains(QStringLiteral("<kbd>%1</kbd>").arg(key))) << key.toStdString();
}

}  // namespace
