// A long seeded random walk through the main window: keys, clicks on every shown control and menu
// item, panel switches, pastes, Tape edits and undo. After every action the window's promises
// must hold. The run is bounded by time (KALKULO_SOAK_SECONDS, default 45) and actions
// (KALKULO_SOAK_ACTIONS, default 100 000); KALKULO_SOAK_SEED picks another walk. A failure
// prints the seed and the shortest action list found that still fails.
#include "shell/crashprotection.h"
#include "shell/testinputhook.h"
#include "shell/tform1.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"
#include "tape/views/tframe4.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

namespace {

// One user action, drawn from the seed; `a` and `b` pick what within its kind.
struct Action {
    enum Kind { Key, Click, Menu, Paste, TapeEdit, Undo } kind;
    unsigned a, b;
    std::string describe() const {
        static const char* names[] = {"key", "click", "menu", "paste", "tape-edit", "undo"};
        return std::string(names[kind]) + "(" + std::to_string(a) + "," + std::to_string(b) + ")";
    }
};

const int Keys[] = {Qt::Key_0,     Qt::Key_1,      Qt::Key_2,         Qt::Key_3,      Qt::Key_4,       Qt::Key_5,
                    Qt::Key_6,     Qt::Key_7,      Qt::Key_8,         Qt::Key_9,      Qt::Key_Comma,   Qt::Key_Period,
                    Qt::Key_Plus,  Qt::Key_Minus,  Qt::Key_Asterisk,  Qt::Key_Slash,  Qt::Key_Percent, Qt::Key_Return,
                    Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Insert,  Qt::Key_Home,
                    Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown,  Qt::Key_Space,  Qt::Key_F2,      Qt::Key_F3,
                    Qt::Key_F4,    Qt::Key_F5,     Qt::Key_F6,        Qt::Key_F7,     Qt::Key_F8,      Qt::Key_F9,
                    Qt::Key_F11,   Qt::Key_F12,    Qt::Key_A,         Qt::Key_E,      Qt::Key_F,       Qt::Key_G,
                    Qt::Key_I,     Qt::Key_O,      Qt::Key_P,         Qt::Key_Q,      Qt::Key_R,       Qt::Key_S,
                    Qt::Key_T,     Qt::Key_U,      Qt::Key_W,         Qt::Key_X,      Qt::Key_Y,       Qt::Key_Up,
                    Qt::Key_Down};
const Qt::KeyboardModifiers Modifiers[] = {Qt::NoModifier,      Qt::NoModifier,  Qt::NoModifier,    Qt::ShiftModifier,
                                           Qt::ControlModifier, Qt::AltModifier, Qt::KeypadModifier};
const char* const Pastes[] = {
    "12", "1.234,56", "-0,5", "1e999", "inf",    "nan",  "-1E-4950", "abc", "9999999999999999999999999",
    "0",  "",         " 7 ",  "12+5",  "€ 3,50", "1,2,3"};
// Controls that leave the program (Word) or close the window; everything else is fair game.
const QStringList Spared = {"SpeedButton4", "Button18"};
// The program's own modal windows: a user closes them as any window; only a message box that
// bypasses the dialog seam would wait for an answer nobody scripted.
const QStringList OwnDialogs = {"TBereich"};

// Exports would start the word processor; the walk only notes that it asked.
class NoWordProcessor : public DocumentLauncher {
public:
    bool open(const QString&) override { return true; }
};

class World {
public:
    explicit World(const QString& folder) : protection(engines.tape, dialogs, folder) {
        engines.calculator.ApplyDisplaySettings(3, 2, 1, 0);
        window.render();
        window.show();
        QApplication::setActiveWindow(&window);
        window.Button16->setFocus();
        protection.journal().setFlushInterval(3600 * 1000);  // the walk writes the journal itself
        engines.plotter.setLauncher(&noWordProcessor);
        engines.tapeExport.setLauncher(&noWordProcessor);
        // A dialog that bypasses the seam would wait for a user forever: note it and close it.
        watchdog.setInterval(500);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* open = QApplication::activeModalWidget()) {
                const QString kind = QString::fromLatin1(open->metaObject()->className());
                if (!OwnDialogs.contains(kind)) unanswered = kind + QStringLiteral(" ") + open->windowTitle();
                open->close();
            }
        });
        watchdog.start();
    }

    // Carries out one action; returns what went wrong afterwards, or nothing.
    std::string perform(const Action& act);

    ScriptedDialogs dialogs;
    NoWordProcessor noWordProcessor;
    std::vector<std::string> labels;  // what each action did, for the failure report
    Engines engines{dialogs};
    TForm1 window{engines};
    CrashProtection protection;
    QTimer watchdog;
    QString unanswered;

private:
    template <typename T>
    QList<T*> shown() {
        QList<T*> out;
        for (T* w : window.findChildren<T*>())
            if (!w->objectName().isEmpty() && !Spared.contains(w->objectName()) && w->isVisible() && w->isEnabled())
                out << w;
        return out;
    }
    void key(int key, Qt::KeyboardModifiers mods) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        const QString text = key < 0x80 && !(mods & (Qt::ControlModifier | Qt::AltModifier)) && key >= 0x20
            ? QString(QChar(key)).toLower()
            : QString();
        QKeyEvent press(QEvent::KeyPress, key, mods, text), release(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
    void tapeEdit(unsigned a, unsigned b);
    std::string check(bool focusPromised);
};

void World::tapeEdit(unsigned a, unsigned b) {
    TFrame4& tape = *window.Frame41;
    switch (a % 8) {
    case 0: tape.editMode(); break;
    case 1: tape.recordMode(); break;
    case 2: tape.commentStyle(); break;
    case 3: tape.tapeStyle(); break;
    case 4: tape.setSelectionSize(8 + static_cast<int>(b % 5)); break;
    case 5: tape.setParagraphAlignment(static_cast<Tape::Alignment>(b % 3)); break;
    default: {
        // A word typed into, or a character deleted from, some line, as the panel's editor does.
        TapeDocument& doc = engines.tape;
        if (doc.LineCount() == 0) break;
        QTextCursor c(doc.block(static_cast<int>(b % static_cast<unsigned>(doc.LineCount()))));
        c.beginEditBlock();
        if (a % 8 == 6) c.insertText(QStringLiteral("Notiz %1").arg(b % 100));
        else if (c.block().length() > 1) c.deleteChar();
        else if (c.block().next().isValid()) c.deleteChar();  // joins an empty line with the next
        c.endEditBlock();
    }
    }
}

std::string World::perform(const Action& act) {
    dialogs.yesNo = {act.b % 4 != 0};  // mostly "Ja", sometimes "Nein"
    dialogs.yesNoCancel = {static_cast<Dialogs::Answer>(act.b % 3)};
    dialogs.inputs = {act.b % 2 ? std::optional<QString>(QString::number(act.b % 50)) : std::nullopt};
    bool focusPromised = false;
    // A window that lost activation (a flag change re-creates it) is clicked into again, as a user
    // would; the offscreen platform has no window manager to do it.
    if (QApplication::activeWindow() != &window) QApplication::setActiveWindow(&window);
    const size_t labelled = labels.size();
    switch (act.kind) {
    case Action::Key:
        labels.push_back("key " +
                         QKeySequence(Keys[act.a % std::size(Keys)] | Modifiers[act.b % std::size(Modifiers)])
                             .toString()
                             .toStdString());
        key(Keys[act.a % std::size(Keys)], Modifiers[act.b % std::size(Modifiers)]);
        break;
    case Action::Click: {
        const QList<QAbstractButton*> buttons = shown<QAbstractButton>();
        if (buttons.isEmpty()) break;
        QAbstractButton* button = buttons.at(static_cast<qsizetype>(act.a % static_cast<unsigned>(buttons.size())));
        // The calculator's own keys promise the focus on "=" afterwards, outside the Tape's edit mode.
        labels.push_back("click " + button->objectName().toStdString());
        focusPromised = button->parentWidget() == window.Button16->parentWidget() &&
            engines.calculator.ActiveField < 4 && button->objectName().startsWith(u"Button");
        button->click();
        break;
    }
    case Action::Menu: {
        QList<QAction*> items;
        for (QAction* item : window.findChildren<QAction*>())
            if (!item->objectName().isEmpty() && item->isEnabled() && !item->menu()) items << item;
        if (items.isEmpty()) break;
        QAction* item = items.at(static_cast<qsizetype>(act.a % static_cast<unsigned>(items.size())));
        labels.push_back("menu " + item->objectName().toStdString());
        item->trigger();
        break;
    }
    case Action::Paste:
        labels.push_back(std::string("paste \"") + Pastes[act.a % std::size(Pastes)] + "\"");
        QGuiApplication::clipboard()->setText(QString::fromUtf8(Pastes[act.a % std::size(Pastes)]));
        window.pasteFromClipboard();
        break;
    case Action::TapeEdit:
        labels.push_back("tape-edit " + std::to_string(act.a % 8));
        tapeEdit(act.a, act.b);
        break;
    case Action::Undo:
        labels.push_back(act.a % 2 ? "undo in the Tape" : "click Button28");
        if (act.a % 2) window.Frame41->undoOnce();
        else window.Button28->click();
        break;
    }
    if (labels.size() == labelled) labels.push_back("nothing to do");
    // A closed window comes back, as a user would start the program again.
    engines.calculator.QuitRequested = false;
    if (!window.isVisible()) window.show();
    if (engines.tape.LineCount() > 2000) engines.tape.Clear();
    return check(focusPromised);
}

bool holdsNonNumber(const QString& text) {
    const QString t = text.toLower();
    return t.contains(u"inf") || t.contains(u"nan");
}

std::string World::check(bool focusPromised) {
    const Calculator& c = engines.calculator;
    for (const QString& text : {c.Operand1Text, c.Operand2Text, c.Label1, c.Label3, c.Label6, window.Label1->text(),
                                window.Label3->text(), window.Label6->text()})
        if (holdsNonNumber(text)) return "a display field shows \"" + text.toStdString() + "\"";
    if (!unanswered.isEmpty()) return "a dialog outside the dialog seam was left open: " + unanswered.toStdString();
    if (focusPromised && QApplication::focusWidget() != window.Button16)
        return "the focus is not on \"=\" after a calculator key";
    TapeJournal& journal = protection.journal();
    if (!journal.flush()) return "the journal could not be written";
    QFile file(journal.path());
    if (!file.open(QIODevice::ReadOnly)) return "the journal is missing";
    journal::Content content = journal::read(file.readAll());
    if (content.status != journal::Content::Status::Whole) return "the journal does not read back whole";
    if (static_cast<int>(content.lines.size()) != engines.tape.LineCount())
        return "the journal holds " + std::to_string(content.lines.size()) + " lines, the Tape " +
            std::to_string(engines.tape.LineCount());
    TapeDocument restored;
    rtf::Document document;
    document.paragraphs = std::move(content.lines);
    restored.replaceContent(document);
    if (TestInputHook::describeTape(restored) != TestInputHook::describeTape(engines.tape))
        return "the journal's Tape differs from the Tape";
    return {};
}

// Runs the actions in a fresh window; the index of the first failing one and its problem.
std::pair<int, std::string> replay(const std::vector<Action>& actions, std::vector<std::string>* labels = nullptr) {
    QTemporaryDir folder;
    World world(folder.path());
    std::pair<int, std::string> outcome{-1, {}};
    for (size_t i = 0; i < actions.size() && outcome.first < 0; ++i)
        if (std::string problem = world.perform(actions[i]); !problem.empty()) outcome = {static_cast<int>(i), problem};
    if (labels) *labels = world.labels;
    return outcome;
}

// Drops chunks of the list, halving their size, as long as the rest still fails.
std::vector<Action> shrink(std::vector<Action> failing, const QElapsedTimer& budget) {
    for (size_t chunk = failing.size() / 2; chunk >= 1 && budget.elapsed() < 60000; chunk /= 2) {
        for (size_t start = 0; start + chunk <= failing.size() && budget.elapsed() < 60000;) {
            std::vector<Action> fewer(failing.begin(), failing.begin() + static_cast<std::ptrdiff_t>(start));
            fewer.insert(fewer.end(), failing.begin() + static_cast<std::ptrdiff_t>(start + chunk), failing.end());
            if (const auto [at, problem] = replay(fewer); at >= 0) {
                fewer.resize(static_cast<size_t>(at) + 1);
                failing = std::move(fewer);
            } else {
                start += chunk;
            }
        }
    }
    return failing;
}

long setting(const char* name, long fallback) {
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

TEST(Soak, ARandomWalkThroughTheWindowKeepsEveryPromise) {
    testApplication();
    const auto seed = static_cast<unsigned>(setting("KALKULO_SOAK_SEED", 4711));
    const long seconds = setting("KALKULO_SOAK_SECONDS", 45);
    const long maxActions = setting("KALKULO_SOAK_ACTIONS", 100000);
    std::mt19937 random(seed);
    std::discrete_distribution<int> kind({40, 25, 8, 6, 14, 7});
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());  // the Tape's backup lands here
    World world(folder.path());
    std::vector<Action> done;
    QElapsedTimer clock;
    clock.start();
    while (static_cast<long>(done.size()) < maxActions && clock.elapsed() < seconds * 1000) {
        done.push_back({static_cast<Action::Kind>(kind(random)), static_cast<unsigned>(random()),
                        static_cast<unsigned>(random())});
        const std::string problem = world.perform(done.back());
        if (problem.empty()) continue;
        QElapsedTimer budget;
        budget.start();
        const std::vector<Action> shortest = shrink(done, budget);
        std::vector<std::string> labels;
        replay(shortest, &labels);
        std::string list;
        for (size_t i = 0; i < shortest.size(); ++i)
            list += "\n  " + shortest[i].describe() + "  " + (i < labels.size() ? labels[i] : std::string());
        FAIL() << "seed " << seed << ", action " << done.size() << ": " << problem << "\nshortest failing list ("
               << shortest.size() << " actions): " << list;
    }
    std::printf("soak: %zu actions in %.1f s, seed %u\n", done.size(), clock.elapsed() / 1000.0, seed);
}

}  // namespace
