#pragma once
// A driver for tests that start the real program: inert unless the environment variable
// KALKULO_TEST_SCRIPT names a script file. One line is carried out per tick:
//   pace <ms>              time between lines (default 2 ms)
//   flush-interval <ms>    how often the Tape journal is written
//   answer <button>        waits for a modal dialog and clicks the button with that text
//   char <c>               types one character; pad <c> the same on the number pad;
//   key <name>             presses a named key ("Return", "Esc")
//   click <path>           clicks a shown button, e.g. "Button16" or "Frame41/Button1"
//   tape-on                shows the Tape panel when it is hidden
//   quit                   closes the main window as the user would
//   help                   opens the help page as F1 does and reports "help browser|nobrowser <file>"
// It reports on standard output: "ready <lines> <digest>" once the program is up, and around every
// journal write "flushing <lines> <digest>" and "flushed", and for every answered message box
// "answered <button>: <text>". The digest covers every line's text,
// alignment and formatting, read from the Tape itself.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

class AppContext;
class TapeDocument;

class TestInputHook : public QObject {
    Q_OBJECT
public:
    static constexpr const char* Variable = "KALKULO_TEST_SCRIPT";
    // Null unless the variable is set. Build it before the application context, so that it can
    // answer questions asked during start-up.
    static std::unique_ptr<TestInputHook> fromEnvironment();
    explicit TestInputHook(QStringList script);
    void attach(AppContext& context);

    // Every line of the Tape with its alignment and each run's text, font, size, style and colour.
    static QString describeTape(const TapeDocument& tape);
    static QByteArray digest(const TapeDocument& tape);

private:
    void step();
    // Carries out one line; false when it has to wait for the program.
    bool perform(const QString& command, const QString& argument);
    bool answer(const QString& button);
    void showHelp();
    bool click(const QString& path);
    void sendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers);
    void report(const QByteArray& line);

    QStringList script_;
    int next_ = 0;
    QTimer timer_;
    AppContext* context_ = nullptr;
};
