#include "shell/testinputhook.h"

#include "shell/appcontext.h"
#include "shell/tform1.h"
#include "shell/webwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>

std::unique_ptr<TestInputHook> TestInputHook::fromEnvironment() {
    const QString path = qEnvironmentVariable(Variable);
    if (path.isEmpty()) return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    return std::make_unique<TestInputHook>(QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts));
}

TestInputHook::TestInputHook(QStringList script) : script_(std::move(script)) {
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, &TestInputHook::step);
    timer_.start();
}

void TestInputHook::attach(AppContext& context) {
    context_ = &context;
    TapeJournal& journal = context.crashProtection().journal();
    const TapeDocument& tape = context.engines().tape;
    connect(&journal, &TapeJournal::flushing, this,
            [this, &tape] { report("flushing " + QByteArray::number(tape.LineCount()) + ' ' + digest(tape)); });
    connect(&journal, &TapeJournal::flushed, this, [this] { report("flushed"); });
    report("ready " + QByteArray::number(tape.LineCount()) + ' ' + digest(tape));
}

void TestInputHook::report(const QByteArray& line) {
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void TestInputHook::step() {
    if (next_ >= script_.size()) {
        timer_.stop();
        return;
    }
    const QString line = script_.at(next_).trimmed();
    const qsizetype blank = line.indexOf(u' ');
    const QString command = blank < 0 ? line : line.left(blank);
    const QString argument = blank < 0 ? QString() : line.mid(blank + 1);
    // The line counts as done before it runs: a dialog it opens runs a nested event loop, in which
    // the following lines ("answer …") must come next. A line that has to wait is taken back.
    // Qt never fires a timer again while its own timeout runs; a restarted one is a new timer.
    timer_.start();
    ++next_;
    if (!perform(command, argument)) --next_;
}

bool TestInputHook::perform(const QString& command, const QString& argument) {
    if (command == u"answer") return answer(argument);
    if (command == u"pace") {
        timer_.setInterval(argument.toInt());
        return true;
    }
    // Everything else needs the running program, with no dialog in the way.
    if (!context_ || QApplication::activeModalWidget()) return false;
    TForm1& window = context_->mainWindow();
    if (command == u"flush-interval") context_->crashProtection().journal().setFlushInterval(argument.toInt());
    else if ((command == u"char" || command == u"pad") && !argument.isEmpty())
        sendKey(argument.at(0).toUpper().unicode(), argument.left(1),
                command == u"pad" ? Qt::KeypadModifier : Qt::NoModifier);
    else if (command == u"key") sendKey(QKeySequence::fromString(argument)[0].key(), QString(), Qt::NoModifier);
    else if (command == u"click") return click(argument);
    else if (command == u"tape-on" && !window.panelLayout().TapeShown) window.ToggleTape();
    else if (command == u"quit") window.close();
    else if (command == u"help") showHelp();
    return true;
}

void TestInputHook::showHelp() {
    WebWindow& web = context_->webWindow();
    web.ShowHelp();
    TForm3* form = web.form();
    if (!form) return report("help none");
    WebPages& pages = form->pages();
    report(QByteArray("help ") + (pages.browser() ? "browser " : "nobrowser ") + pages.Texts[2].toUtf8());
}

bool TestInputHook::answer(const QString& button) {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return false;
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        if (QString(b->text()).remove(u'&') == button) {
            const auto* box = qobject_cast<QMessageBox*>(dialog);
            report("answered " + button.toUtf8() + ": " + (box ? box->text() : QString()).simplified().toUtf8());
            b->click();
            return true;
        }
    }
    return false;
}

bool TestInputHook::click(const QString& path) {
    QObject* at = &context_->mainWindow();
    for (const QString& name : path.split(u'/')) {
        at = at->findChild<QObject*>(name);
        if (!at) return true;  // not there: a script for another layout; go on
    }
    if (auto* button = qobject_cast<QAbstractButton*>(at); button && button->isVisible() && button->isEnabled())
        button->click();
    return true;
}

void TestInputHook::sendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = &context_->mainWindow();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

QString TestInputHook::describeTape(const TapeDocument& tape) {
    QString out;
    const QFont base = tape.defaultFont();
    for (int line = 0; line < tape.LineCount(); ++line) {
        const QTextBlock b = tape.block(line);
        const Qt::Alignment a = b.blockFormat().alignment();
        out += (a & Qt::AlignHCenter) ? u'C' : (a & Qt::AlignRight) ? u'R' : u'L';
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QFont font = f.font().resolve(base);
            const QColor colour = f.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : f.foreground().color();
            out += QStringLiteral(" [%1|%2|%3|%4%5%6%7|%8]")
                       .arg(it.fragment().text(), font.family())
                       .arg(font.pointSizeF())
                       .arg(font.bold() ? u'b' : u'-')
                       .arg(font.italic() ? u'i' : u'-')
                       .arg(font.underline() ? u'u' : u'-')
                       .arg(font.strikeOut() ? u's' : u'-')
                       .arg(colour.name());
        }
        out += u'\n';
    }
    return out;
}

QByteArray TestInputHook::digest(const TapeDocument& tape) {
    return QCryptographicHash::hash(describeTape(tape).toUtf8(), QCryptographicHash::Md5).toHex();
}
