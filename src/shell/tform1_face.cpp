// The face of the main window: every control at its place, size and font.
#include "shell/tform1.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {
const int kClientWidth = 249;
const int kClientHeight = 417;
// Controls without a font of their own use the window's font.
const int kWindowFont = 0;
const QRect kCounterRect(231, 128, 14, 13);
const int kCounterGap = 2;           // between the Tape button and a grown counter
const int kCounterSmallestFont = 8;  // the smallest that still reads well
const int kCounterTallest = 26;      // two lines between the memory row and the keys

QFont arial(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
}  // namespace

QPushButton* TForm1::makeButton(const char* name, const QString& caption, QRect rect, int fontPixels,
                                const QString& hint) {
    auto* button = new QPushButton(caption, face_);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    if (fontPixels > 0) button->setFont(arial(fontPixels));
    button->setToolTip(hint);
    return button;
}

QLabel* TForm1::makeLabel(const char* name, QRect rect, int fontPixels, bool bold, Qt::Alignment alignment) {
    auto* label = new QLabel(face_);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    if (fontPixels > 0) label->setFont(arial(fontPixels, bold));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void TForm1::buildFace() {
    face_ = new QWidget(this);
    face_->setObjectName(QStringLiteral("Face"));
    face_->setFixedSize(kClientWidth, kClientHeight);
    face_->setAutoFillBackground(true);
    face_->setFont(arial(11));  // the window's font, for controls without one of their own
    setCentralWidget(face_);

    Button36 =
        makeButton("Button36", QStringLiteral("m+z"), {12, 12, 25, 17}, 9, QStringLiteral("Memory + Zahl = Memory"));
    Button37 =
        makeButton("Button37", QStringLiteral("m-z"), {44, 12, 25, 17}, 9, QStringLiteral("Memory - Zahl = Memory"));
    Button38 =
        makeButton("Button38", QStringLiteral("m*z"), {76, 12, 25, 17}, 9, QStringLiteral("Memory * Zahl  = Memory"));
    Button39 =
        makeButton("Button39", QStringLiteral("z/m"), {108, 12, 25, 17}, 9, QStringLiteral("Zahl / Memory = Memory"));
    Button40 =
        makeButton("Button40", QStringLiteral("m/z"), {140, 12, 25, 17}, 9, QStringLiteral("Memory / Zahl = Memory"));

    Label7 = makeLabel("Label7", {184, 12, 15, 13}, kWindowFont, false, Qt::AlignLeft);
    Label7->setText(QStringLiteral("NK"));
    Label7->setToolTip(QStringLiteral("Nachkommastellen (F2)"));
    SpinEdit1 = new QSpinBox(face_);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(204, 8, 37, 22);
    SpinEdit1->setRange(0, 15);
    SpinEdit1->setToolTip(QStringLiteral("Verstellbare Nachkommastellen (F2)"));

    Label4 = makeLabel("Label4", {0, 36, 37, 33}, 15, true, Qt::AlignHCenter);
    Label1 = makeLabel("Label1", {32, 36, 209, 25}, 16, true, Qt::AlignRight);
    Label2 = makeLabel("Label2", {0, 72, 37, 25}, 15, true, Qt::AlignHCenter);
    Label3 = makeLabel("Label3", {36, 72, 205, 25}, 16, true, Qt::AlignRight);
    for (QLabel* field : {Label1, Label3}) {
        field->setAutoFillBackground(true);
        field->setContentsMargins(0, 0, 3, 0);
    }

    StaticText1 = makeLabel("StaticText1", {12, 104, 24, 17}, kWindowFont, false, Qt::AlignLeft);
    StaticText1->setText(QStringLiteral("Feld"));
    Radio1 = new QRadioButton(QStringLiteral("1"), face_);
    Radio1->setObjectName(QStringLiteral("Radio1"));
    Radio1->setGeometry(36, 104, 29, 17);
    Radio2 = new QRadioButton(QStringLiteral("2"), face_);
    Radio2->setObjectName(QStringLiteral("Radio2"));
    Radio2->setGeometry(64, 104, 29, 17);
    for (QRadioButton* radio : {Radio1, Radio2}) {
        radio->setAutoExclusive(false);  // a shown result selects neither
        radio->setToolTip(QStringLiteral("Aktives Feld"));
    }
    Label6 = makeLabel("Label6", {96, 104, 145, 13}, kWindowFont, false, Qt::AlignLeft);
    Label6->setToolTip(QStringLiteral("Inhalt von Memory"));

    Button33 =
        makeButton("Button33", QStringLiteral("MC"), {12, 124, 37, 21}, kWindowFont, QStringLiteral("Memory löschen"));
    Button34 = makeButton("Button34", QStringLiteral("--> M"), {60, 124, 37, 21}, kWindowFont,
                          QStringLiteral("Aktive Zahl in Memory aufbewahren"));
    Button35 = makeButton("Button35", QStringLiteral("M -->"), {108, 124, 37, 21}, kWindowFont,
                          QStringLiteral("Den Inhalt von Memory in aktives Feld schreiben"));
    Button46 = makeButton("Button46", QStringLiteral("Tape ->"), {168, 124, 45, 21}, kWindowFont);
    Label5 = makeLabel("Label5", kCounterRect, kWindowFont, false, Qt::AlignLeft);
    Label5->setToolTip(QStringLiteral("Wiederholungszähler"));

    const int columns[] = {12, 60, 108};
    const int rows[] = {248, 216, 184, 152};  // bottom row first: 0 row, then 1-2-3, 4-5-6, 7-8-9
    QPushButton** digits[] = {&Button1, &Button2, &Button3, &Button4, &Button5, &Button6, &Button7, &Button8, &Button9};
    for (int d = 1; d <= 9; ++d) {
        const QByteArray name = "Button" + QByteArray::number(d);
        *digits[d - 1] =
            makeButton(name.constData(), QString::number(d), {columns[(d - 1) % 3], rows[(d - 1) / 3 + 1], 37, 25}, 12);
    }
    Button10 = makeButton("Button10", QStringLiteral("0"), {12, 248, 37, 25}, 12);
    Button11 = makeButton("Button11", QStringLiteral(","), {60, 248, 37, 25}, 12);
    Button27 = makeButton("Button27", QStringLiteral("+ / -"), {108, 248, 37, 25}, 12);

    Button15 = makeButton("Button15", QStringLiteral("-"), {168, 152, 33, 25}, 15);
    Button14 = makeButton("Button14", QStringLiteral("+"), {208, 152, 33, 25}, 15);
    Button13 = makeButton("Button13", QStringLiteral("/"), {168, 184, 33, 25}, 15);
    Button12 = makeButton("Button12", QStringLiteral("x"), {208, 184, 33, 25}, 15);
    Button24 = makeButton("Button24", QStringLiteral("π"), {168, 216, 33, 25}, 15, QStringLiteral("Kreiszahl Pi"));
    Button21 = makeButton("Button21", QStringLiteral("%"), {208, 216, 33, 25}, 15,
                          QStringLiteral("Prozent - kann in Verbindung mit '+' oder '-'  verwendet werden."));
    Button22 =
        makeButton("Button22", QStringLiteral("√"), {168, 248, 33, 25}, 15, QStringLiteral("Quadratwurzel aus x"));
    Button23 = makeButton("Button23", QStringLiteral("X ²"), {208, 248, 33, 25}, 15, QStringLiteral("Quadrat von x"));

    Button45 = makeButton("Button45", QStringLiteral("hochN"), {12, 291, 37, 19}, 12, QStringLiteral("Zahl hoch N"));
    SpeedButton2 = makeButton("SpeedButton2", QStringLiteral("logₙ"), {60, 291, 37, 19}, 12,
                              QStringLiteral("Logarithmus mit beliebiger Basis"));
    SpeedButton1 = makeButton("SpeedButton1", QStringLiteral("lg"), {108, 291, 37, 19}, 12,
                              QStringLiteral("Logarithmus zur Basis 10"));
    R1 = makeButton("R1", QStringLiteral("R1"), {168, 291, 23, 19}, 12, QStringLiteral("Rechner 1 (Bild auf)"));
    Button44 = makeButton("Button44", QStringLiteral("←"), {196, 295, 17, 15}, 12,
                          QStringLiteral("Ergebnis aus dem anderen Rechner übernehmen"));
    R2 = makeButton("R2", QStringLiteral("R2"), {216, 291, 25, 19}, 12, QStringLiteral("Rechner 2 (Bild-ab)"));
    auto* calculators = new QButtonGroup(this);
    for (QPushButton* r : {R1, R2}) {
        r->setCheckable(true);
        calculators->addButton(r);
    }
    R1->setChecked(true);

    Button30 = makeButton("Button30", QStringLiteral("Exp"), {12, 316, 37, 19}, 12,
                          QStringLiteral("e hoch Zahl (e als Basis des natürlichen Logarithmus"));
    Button29 = makeButton("Button29", QStringLiteral("Ln"), {60, 316, 37, 19}, 12,
                          QStringLiteral("Natürlicher Logaritmus auf der Basis e"));
    Button19 = makeButton("Button19", QStringLiteral("←"), {108, 316, 37, 19}, 12,
                          QStringLiteral("Die letzte Ziffer löschen (Backspace)"));
    Button20 = makeButton("Button20", QStringLiteral("Wiederholen"), {168, 316, 73, 19}, 12,
                          QStringLiteral("Aktion wiederholen ( Taste Pos1 )"));

    Button17 = makeButton("Button17", QStringLiteral("Löschen"), {12, 344, 85, 29}, 12,
                          QStringLiteral("Eingabefelder  löschen"));
    Button26 = makeButton("Button26", QStringLiteral("Einf."), {108, 344, 37, 29}, 12,
                          QStringLiteral("Aus der Zwischenablage einfügen (Einfg)"));
    Button28 = makeButton("Button28", QStringLiteral("Rückgängig"), {168, 344, 73, 29}, 12,
                          QStringLiteral("Letzte Aktion rückgängig machen (Taste Ende)"));

    Button18 =
        makeButton("Button18", QStringLiteral("Beenden"), {12, 380, 85, 30}, 12, QStringLiteral("Rechner beenden"));
    Button25 = makeButton("Button25", QStringLiteral("Kopie"), {108, 380, 37, 30}, 12,
                          QStringLiteral("In die Zwischenablage kopieren (Strg-Einfg)"));
    Label8 = makeLabel("Label8", {147, 378, 20, 15}, 12, true, Qt::AlignHCenter);
    QPalette letter = Label8->palette();  // red whatever the colour scheme
    letter.setColor(QPalette::WindowText, Qt::red);
    Label8->setPalette(letter);
    Label8->setText(QStringLiteral("T"));
    Label8->setToolTip(QStringLiteral("Erweiterung auswählen"));
    Button41 =
        makeButton("Button41", QStringLiteral("↓"), {148, 394, 17, 15}, 12, QStringLiteral("Erweiterungen öffnen"));
    Button16 = makeButton("Button16", QStringLiteral("="), {168, 380, 73, 30}, 21, QStringLiteral("Ergebnis"));
    Button16->setDefault(true);

    // Buttons take no focus but "=", so the keyboard always stays with the calculator.
    for (QPushButton* button : face_->findChildren<QPushButton*>())
        if (button != Button16) button->setFocusPolicy(Qt::NoFocus);
    for (QWidget* w : std::initializer_list<QWidget*>{Radio1, Radio2}) w->setFocusPolicy(Qt::NoFocus);
}

// The repeat counter keeps its right edge. A longer count first takes the free room to its left, up to
// the Tape button, then a narrower and smaller font; a count that still does not fit (nine or ten
// digits) splits into two lines, so that every 32-bit count shows whole and readable.
void TForm1::fitRepeatCounter() {
    const QString count = calc_.Label5;
    const int room = kCounterRect.x() + kCounterRect.width() - (Button46->geometry().right() + 1 + kCounterGap);
    QStringList lines{count};
    QFont font = face_->font();
    const auto widest = [&lines](const QFont& f) {
        int w = 0;
        for (const QString& line : lines) w = std::max(w, QFontMetrics(f).horizontalAdvance(line));
        return w;
    };
    if (widest(font) > room) {
        font.setFamilies({QStringLiteral("Arial Narrow")});
        while (font.pixelSize() > kCounterSmallestFont && widest(font) > room) font.setPixelSize(font.pixelSize() - 1);
    }
    if (widest(font) > room) {
        const qsizetype half = (count.size() + 1) / 2;
        lines = {count.left(half), count.mid(half)};
        font.setPixelSize(face_->font().pixelSize());
        while (font.pixelSize() > kCounterSmallestFont &&
               (widest(font) > room || 2 * QFontMetrics(font).lineSpacing() > kCounterTallest))
            font.setPixelSize(font.pixelSize() - 1);
    }
    Label5->setText(lines.join(u'\n'));
    Label5->setFont(font);
    Label5->setAlignment((lines.size() > 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    const int width = std::max(kCounterRect.width(), widest(font));
    const int height = lines.size() > 1 ? 2 * QFontMetrics(font).lineSpacing() : kCounterRect.height();
    Label5->setGeometry(kCounterRect.x() + kCounterRect.width() - width,
                        kCounterRect.y() + (kCounterRect.height() - height) / 2, width, height);
}
