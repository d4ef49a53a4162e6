// The financial window's reactions: which user events run which engine command, and the typing filters.
#include "finance/views/tfinanzrechner.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

namespace {

// The character a typed one becomes: in amounts and rates a point is the decimal comma, in dates a comma,
// slash or minus is the date's point.
QChar translated(QChar typed, bool dateColumn) {
    if (dateColumn) return typed == u',' || typed == u'/' || typed == u'-' ? QChar(u'.') : typed;
    return typed == u'.' ? QChar(u',') : typed;
}

// Sends `key` on to `target` with the translated character; false when nothing needed translating.
bool sendTranslated(QObject* target, const QKeyEvent* key, bool dateColumn) {
    if (key->text().size() != 1) return false;
    const QChar typed = key->text().at(0);
    const QChar replacement = translated(typed, dateColumn);
    if (replacement == typed) return false;
    const int code = replacement == u',' ? Qt::Key_Comma : Qt::Key_Period;
    QKeyEvent translatedKey(QEvent::KeyPress, code, key->modifiers(), QString(replacement));
    QApplication::sendEvent(target, &translatedKey);
    return true;
}

// The grids' cell editor: translates typed characters by column, and Enter commits the cell and computes.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setProperty("dateColumn", index.column() == 1);
        return editor;
    }

signals:
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(watched);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                emit enterPressed();
                return true;
            }
            if (sendTranslated(editor, key, editor->property("dateColumn").toBool())) return true;
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }
};

}  // namespace

void TFinanzrechner::connectReactions() {
    // Commands are plain functions, not member-function pointers: GCC's address sanitizer misreads
    // a member-function pointer captured in these nested lambdas.
    using Reaction = FinanceReaction (*)(FinanceCalculator&);
    using Step = void (*)(FinanceCalculator&);
    auto on = [this](auto* sender, auto signal, Reaction command) {
        connect(sender, signal, this, [this, command] { run([this, command] { return command(Finance); }); });
    };
    auto onVoid = [this](auto* sender, auto signal, Step command) {
        connect(sender, signal, this, [this, command] {
            run([this, command] {
                command(Finance);
                return FinanceReaction();
            });
        });
    };
    on(Datum1, &QDateEdit::dateChanged, [](FinanceCalculator& f) { return f.Datum1Change(); });
    for (QDateEdit* d : {Datum3, Datum4, Datum6})
        on(d, &QDateEdit::dateChanged, [](FinanceCalculator& f) { return f.DateChange(); });
    on(Datum5, &QDateEdit::dateChanged, [](FinanceCalculator& f) { return f.Datum5Change(); });
    // A date counts once its typing is finished, not at every digit.
    for (QDateEdit* d : {Datum1, Datum3, Datum4, Datum5, Datum6}) d->setKeyboardTracking(false);
    on(Edit2, &QLineEdit::textEdited, [](FinanceCalculator& f) { return f.Edit2Change(); });
    on(Edit13, &QLineEdit::textEdited, [](FinanceCalculator& f) { return f.Edit13Change(); });
    on(Edit14, &QLineEdit::textEdited, [](FinanceCalculator& f) { return f.Edit14Change(); });
    on(Zins1, &QRadioButton::clicked, [](FinanceCalculator& f) { return f.Zins1Click(); });
    on(Zins2, &QRadioButton::clicked, [](FinanceCalculator& f) { return f.Zins2Click(); });
    on(vproz, &QCheckBox::clicked, [](FinanceCalculator& f) { return f.vprozClick(); });
    on(vproz2, &QCheckBox::clicked, [](FinanceCalculator& f) { return f.vproz2Click(); });
    on(BauFi, &QCheckBox::clicked, [](FinanceCalculator& f) { return f.BauFiClick(); });
    on(SpeedButton5, &QToolButton::clicked, [](FinanceCalculator& f) { return f.SpeedButton5Click(); });
    onVoid(SpeedButton7, &QToolButton::clicked, [](FinanceCalculator& f) { f.SpeedButton7Click(); });
    onVoid(SpeedButton8, &QToolButton::clicked, [](FinanceCalculator& f) { f.SpeedButton8Click(); });
    onVoid(SpeedButton1, &QToolButton::clicked, [](FinanceCalculator& f) { f.AddRow(); });
    onVoid(Button1, &QPushButton::clicked, [](FinanceCalculator& f) { f.AddRow(); });
    onVoid(SpeedButton6, &QToolButton::clicked, [](FinanceCalculator& f) { f.DeleteLastRow(); });
    onVoid(Button2, &QPushButton::clicked, [](FinanceCalculator& f) { f.DeleteLastRow(); });
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this] { run([this] { return Finance.Scenarios.SpeedButton2Click(Finance, *settings_); }); });
    connect(SpeedButton3, &QToolButton::clicked, this,
            [this] { run([this] { return Finance.Scenarios.SpeedButton3Click(Finance, *settings_, dialogs_); }); });
    connect(SpeedButton4, &QToolButton::clicked, this,
            [this] { run([this] { return Finance.SpeedButton4Click(tape_); }); });
    // Only a name the user picks loads; the program's own index changes do not emit `activated`.
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { run([this, index] { return Finance.Scenarios.Load(index, Finance, *settings_); }); });
    for (QTableWidget* grid : {Grid2, Grid3, Grid1, Grid4}) {
        auto* delegate = new GridDelegate(grid);
        grid->setItemDelegate(delegate);
        connect(delegate, &GridDelegate::enterPressed, this, &TFinanzrechner::OKBtnClick);
    }
    for (QLineEdit* e : {Edit1, Edit2, Edit7}) e->installEventFilter(this);
    Edit7->setReadOnly(true);
    // Enabled, the subsidy field takes the window's colour; disabled, the palette's disabled look.
    QPalette subsidyColours = Edit7->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        subsidyColours.setBrush(g, QPalette::Base, subsidyColours.brush(g, QPalette::Window));
    Edit7->setPalette(subsidyColours);
}

bool TFinanzrechner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit7 && event->type() == QEvent::MouseButtonPress && Edit7->isEnabled()) {
        // A click on the subsidy field is a click on the box as it stands: ticked, it opens the subsidy window.
        run([this] { return Finance.BauFiClick(); });
        return true;
    }
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress &&
        sendTranslated(watched, static_cast<QKeyEvent*>(event), false))
        return true;
    return QDialog::eventFilter(watched, event);
}

#include "financewiring.moc"
