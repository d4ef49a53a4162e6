#include "tape/views/tframe4.h"

#include "core/calculator.h"
#include "core/dialogs.h"
#include "tape/views/tapeedit.h"
#include "tape/views/tapeview.h"
#include "tape/views/tapeicons.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QToolButton>

namespace {

QToolButton* makeToolButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint, QRect geometry) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
    b->setToolTip(hint);
    b->setGeometry(geometry);
    b->setAutoRaise(false);
    return b;
}

}  // namespace

TFrame4::TFrame4(TapeDocument& tape, Dialogs& dialogs, const Calculator* calculator, QWidget* parent,
                 const QString& directory)
    : QFrame(parent),
      tape_(tape),
      dialogs_(dialogs),
      calculator_(calculator),
      commands_(tape_, dialogs, directory),
      richEdit_(new TapeView(tape_, this)) {
    setObjectName(QStringLiteral("Frame41"));
    setFrameShape(QFrame::StyledPanel);
    resize(PanelWidth, PanelHeight);

    richEdit_->setGeometry(4, 34, PanelWidth - 8, PanelHeight - 66);
    setFieldColour(Qt::white);

    buildButtons();
    buildMenu();

    connect(richEdit_, &TapeView::textDropped, this, &TFrame4::dropText);
    connect(richEdit_, &TapeView::mousePressed, this, [this](Qt::MouseButton button) {
        if (button != Qt::RightButton && activeField() < 4) emit focusEqualsRequested();
    });
    connect(richEdit_, &TapeView::contextMenuRequested, this, [this](const QPoint& at) {
        emit contextMenuOpened();
        menu_->popup(at);
    });
    connect(&tape_, &TapeDocument::contentsChanged, this, &TFrame4::followText);

    tape_.setVisible(false);
    recordMode();
}

TFrame4::~TFrame4() {
    // The view shows our sections; it must go before they do.
    delete richEdit_;
}

void TFrame4::setVisible(bool visible) {
    QFrame::setVisible(visible);
    tape_.setVisible(visible);
}

void TFrame4::buildButtons() {
    button1_ = new QPushButton(QStringLiteral("Löschen"), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setToolTip(QStringLiteral("Tape löschen"));
    button1_->setGeometry(4, 4, 58, 26);
    button1_->setFocusPolicy(Qt::NoFocus);
    connect(button1_, &QPushButton::clicked, this, &TFrame4::clearTape);

    auto* save = makeToolButton(this, "BitBtn1", tapeicons::save(), QStringLiteral("Tape speichern"), {66, 4, 26, 26});
    auto* open =
        makeToolButton(this, "FileOpenDialog1", tapeicons::open(), QStringLiteral("Tape öffnen"), {94, 4, 26, 26});
    auto* copy = makeToolButton(this, "SpeedButton3", tapeicons::copy(),
                                QStringLiteral("Tape in die Zwischenablage kopieren"), {122, 4, 26, 26});
    auto* print = makeToolButton(this, "BitBtn2", tapeicons::print(), QStringLiteral("Tape drucken"), {150, 4, 26, 26});
    speedButton1_ = makeToolButton(this, "SpeedButton1", tapeicons::edit(),
                                   QStringLiteral("Tape bearbeiten / Kommentar"), {190, 4, 26, 26});
    speedButton2_ =
        makeToolButton(this, "SpeedButton2", tapeicons::record(), QStringLiteral("Tape aufzeichnen"), {218, 4, 26, 26});
    auto* word = new QToolButton(this);
    word->setObjectName(QStringLiteral("SpeedButton4"));
    word->setText(QStringLiteral("MS Word"));
    word->setToolTip(QStringLiteral("Tape in Word einfügen"));
    word->setGeometry(4, PanelHeight - 28, 72, 24);
    word->setFocusPolicy(Qt::NoFocus);

    for (QToolButton* b : {speedButton1_, speedButton2_}) b->setCheckable(true);
    for (QWidget* w : std::initializer_list<QWidget*>{save, open, copy, print, speedButton1_, speedButton2_})
        w->setFocusPolicy(Qt::NoFocus);

    connect(save, &QToolButton::clicked, this, &TFrame4::saveTape);
    connect(open, &QToolButton::clicked, this, &TFrame4::openTape);
    connect(copy, &QToolButton::clicked, this, &TFrame4::copyAll);
    connect(print, &QToolButton::clicked, this, &TFrame4::printTape);
    connect(speedButton1_, &QToolButton::clicked, this, &TFrame4::editMode);
    connect(speedButton2_, &QToolButton::clicked, this, &TFrame4::recordMode);
    connect(word, &QToolButton::clicked, this, &TFrame4::exportRequested);
}

void TFrame4::buildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupMenu"));
    menu_->addAction(QStringLiteral("Kopieren"), richEdit_, &TapeView::copy);
    menu_->addAction(QStringLiteral("Einfügen"), richEdit_, &TapeView::paste);
    menu_->addAction(QStringLiteral("Löschen"), richEdit_, &TapeView::removeSelectedText);
    menu_->addAction(QStringLiteral("Ausschneiden"), richEdit_, &TapeView::cut);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Alles markieren"), richEdit_, &TapeView::selectAll);
    menu_->addAction(QStringLiteral("Rückgängig"), this, &TFrame4::undoOnce);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Schrift..."), this, &TFrame4::chooseFont);
    QMenu* sizes = menu_->addMenu(QStringLiteral("Größe"));
    for (int points = 8; points <= 12; ++points)
        sizes->addAction(QString::number(points), this, [this, points] { setSelectionSize(points); });
    QMenu* alignments = menu_->addMenu(QStringLiteral("Ausrichtung"));
    alignments->addAction(QStringLiteral("Rechts"), this, [this] { setParagraphAlignment(Tape::Alignment::Right); });
    alignments->addAction(QStringLiteral("Zentriert"), this,
                          [this] { setParagraphAlignment(Tape::Alignment::Center); });
    alignments->addAction(QStringLiteral("Links"), this, [this] { setParagraphAlignment(Tape::Alignment::Left); });
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Kommentar"), this, &TFrame4::commentStyle);
    menu_->addAction(QStringLiteral("Tape"), this, &TFrame4::tapeStyle);
}

void TFrame4::setFieldColour(const QColor& colour) { richEdit_->setFieldColour(colour); }

int TFrame4::activeField() const { return calculator_ ? calculator_->ActiveField : (editing() ? 4 : 1); }

bool TFrame4::editing() const { return speedButton1_->isChecked(); }

void TFrame4::applyTypingToEditor() {
    richEdit_->moveCaretToEnd();
    richEdit_->setTyping(tape_.typingFormat(), tape_.typingQtAlignment());
}

// Recorded lines and comments are plain black Arial; only alignment, size and weight tell them apart.
void TFrame4::resetTyping(Tape::Alignment alignment, int points, bool bold) {
    tape_.SetAlignment(alignment);
    tape_.SetFontName(QStringLiteral("Arial"));
    tape_.SetSize(points);
    tape_.SetBold(bold);
    tape_.SetItalic(false);
    tape_.SetUnderline(false);
    tape_.SetStrikeOut(false);
    tape_.SetColour(Tape::Black);
}

void TFrame4::recordMode() {
    speedButton2_->setChecked(true);
    speedButton1_->setChecked(false);
    if (openedCommentLine_ && tape_.LineCount() > 1 && tape_.Line(tape_.LineCount() - 1).isEmpty())
        tape_.DeleteLastLine();
    openedCommentLine_ = false;
    resetTyping(Tape::Alignment::Right, 10, true);
    richEdit_->moveCaretToEnd();
    emit recordModeEntered();
    emit focusEqualsRequested();
}

void TFrame4::editMode() {
    speedButton1_->setChecked(true);
    speedButton2_->setChecked(false);
    emit editModeEntered();
    resetTyping(Tape::Alignment::Left, 11, false);
    // A comment starts on a line of its own, not at the end of the last recorded line.
    if (tape_.LineCount() > 0 && !tape_.Line(tape_.LineCount() - 1).isEmpty()) {
        tape_.AppendLine(QString());
        openedCommentLine_ = true;
    }
    applyTypingToEditor();
    richEdit_->focusText();
}

void TFrame4::followText() {
    if (activeField() == 4 || !isVisible() || richEdit_->runningCommand()) return;
    richEdit_->moveCaretToEnd();
    richEdit_->scrollToEnd();
}

void TFrame4::clearTape() {
    const bool couldRestore = commands_.canRestore();
    if (!commands_.clear()) return;
    if (commands_.canRestore() != couldRestore) emit restoreAvailableChanged(commands_.canRestore());
    openedCommentLine_ = false;
    recordMode();
}

void TFrame4::restoreTape() {
    commands_.restore();
    emit focusEqualsRequested();
}

void TFrame4::saveTape() {
    commands_.save();
    emit focusEqualsRequested();
}

void TFrame4::openTape() {
    commands_.open();
    emit focusEqualsRequested();
}

void TFrame4::copyAll() {
    QApplication::clipboard()->setText(tape_.plainText());
    emit focusEqualsRequested();
}

void TFrame4::printTape() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Kalkulo Tape"));
    printer.setCreator(QStringLiteral("Kalkulo"));
    if (dialogs_.setUpPrinter(printer)) commands_.print(printer);
    emit focusEqualsRequested();
}

void TFrame4::dropText(const QString& text) { commands_.dropText(text); }

void TFrame4::carryResult(const QString& text) { commands_.carryResult(text); }

void TFrame4::mergeIntoSelection(const QTextCharFormat& format) { richEdit_->mergeIntoSelection(format); }

void TFrame4::chooseFont() {
    QTextCharFormat chosen = richEdit_->currentCharFormat();
    if (chosen.fontFamilies().toStringList().isEmpty())
        chosen.setFontFamilies(QStringList{tape_.defaultFont().family()});
    const auto apply = [this](const QTextCharFormat& f) { mergeIntoSelection(f); };
    if (dialogs_.chooseFont(chosen, apply)) apply(chosen);
}

void TFrame4::setSelectionSize(int points) {
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeIntoSelection(f);
}

void TFrame4::setParagraphAlignment(Tape::Alignment alignment) {
    richEdit_->setSelectionAlignment(TapeDocument::toQt(alignment));
}

void TFrame4::commentStyle() {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QStringLiteral("Arial")});
    f.setFontPointSize(11);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontStrikeOut(false);
    f.setForeground(QColor(Qt::black));
    richEdit_->styleSelection(TapeDocument::toQt(Tape::Alignment::Left), f);
}

void TFrame4::tapeStyle() {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QStringLiteral("Arial")});
    f.setFontPointSize(10);
    f.setFontWeight(QFont::Bold);
    richEdit_->styleSelection(TapeDocument::toQt(Tape::Alignment::Right), f);
}

void TFrame4::undoOnce() {
    tape_.undo();
    tape_.ClearUndo();
}
