#pragma once
// TFrame4: the Tape panel beside the calculator. It shows the Tape document in RichEdit1, with
// its buttons and context menu. The main window embeds it, reacts to its signals (focus back
// to "=", `ActiveField` 4 while editing, the restore menu item) and calls its public commands
// for show/hide, restore and drops.
#include "tape/tapecommands.h"
#include "tape/tapedocument.h"

#include <QDir>
#include <QFrame>
#include <QTextCharFormat>

class Calculator;
class Dialogs;
class QMenu;
class QPrinter;
class QPushButton;
class QToolButton;
class TapeView;

class TFrame4 : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 250;
    static constexpr int PanelHeight = 412;

    // `calculator` tells the focus rules whether an edit field owns the keyboard (`ActiveField` 4);
    // without one the panel's own edit mode decides.
    TFrame4(TapeDocument& tape, Dialogs& dialogs, const Calculator* calculator = nullptr, QWidget* parent = nullptr,
            const QString& directory = QDir::currentPath());
    ~TFrame4() override;

    // The calculator writes only while the panel is shown (`TapeShown`): show() and hide()
    // switch recording; a new panel does not record until it is shown.
    void setVisible(bool visible) override;

    TapeDocument& tape() { return tape_; }
    TapeCommands& commands() { return commands_; }
    TapeView* richEdit() const { return richEdit_; }
    QMenu* contextMenu() const { return menu_; }

    // `ApplyFieldColour`: the Tape's background.
    void setFieldColour(const QColor& colour);

    // Panel commands.
    void recordMode();  // SpeedButton2
    void editMode();    // SpeedButton1
    bool editing() const;
    void clearTape();  // Button1 "Löschen"
    bool canRestore() const { return commands_.canRestore(); }
    void restoreTape();  // "Tape (Alt-Backsp)"
    void saveTape();     // BitBtn1
    void openTape();     // FileOpenDialog1
    void copyAll();      // SpeedButton3
    void printTape();    // BitBtn2
    // A display field's text dropped onto the Tape.
    void dropText(const QString& text);
    // Showing the Tape over a result: the first field's text opens a record.
    void carryResult(const QString& text);
    // At shutdown.
    void removeBackup() { commands_.removeBackup(); }

    // Context menu commands.
    void chooseFont();
    void setSelectionSize(int points);
    void setParagraphAlignment(Tape::Alignment alignment);
    void commentStyle();  // "Kommentar"
    void tapeStyle();     // "Tape"
    void undoOnce();      // "Rückgängig"

signals:
    // The main window sets `SavedActiveField` and `ActiveField` := 4.
    void editModeEntered();
    // The main window returns `ActiveField` from 4 to `SavedActiveField`.
    void recordModeEntered();
    // Focus back to the "=" button.
    void focusEqualsRequested();
    // `PopupTarget` := 3.
    void contextMenuOpened();
    void restoreAvailableChanged(bool available);
    // "MS Word" (export to the word processor).
    void exportRequested();

private:
    void buildButtons();
    void buildMenu();
    void applyTypingToEditor();
    void resetTyping(Tape::Alignment alignment, int points, bool bold);
    void mergeIntoSelection(const QTextCharFormat& format);
    void followText();
    int activeField() const;

    TapeDocument& tape_;
    Dialogs& dialogs_;
    const Calculator* calculator_;
    TapeCommands commands_;
    TapeView* richEdit_;
    QMenu* menu_ = nullptr;
    QPushButton* button1_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    // The empty line edit mode opened for typing; dropped again when nothing was typed into it.
    bool openedCommentLine_ = false;
};
