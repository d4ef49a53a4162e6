#pragma once
// The web pages window: a small browser with three editable address lists. Built when first asked
// for and destroyed when it closes; its lists and size go to the settings file then.
#include "shell/webpages.h"

#include <QColor>
#include <QWidget>
#include <functional>
#include <memory>

class Dialogs;
class QComboBox;
class QFrame;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QToolButton;
class WebBrowserFactory;
class WebBrowserView;

// What the window takes from the program that opens it.
struct WebWindowSetup {
    QString startDirectory;    // the working directory at start
    QString programDirectory;  // the folder of the program's own copy of the help page
    QString iniPath;           // the settings file
    QColor windowColour = QColor(0xc0c0c0);
    QColor fieldColour = Qt::white;
    QColor groupTextColour = Qt::black;  // the main window's "NK" label text
    QSize defaultSize{800, 578};
    QString noBrowserText;  // empty: noBrowserMessage() of the group opened
};

class TForm3 : public QWidget {
    Q_OBJECT
public:
    // `factory` may be null (no browser module): the window then shows the message for `group`
    // and stays open without pages.
    TForm3(Dialogs& dialogs, WebBrowserFactory* factory, const WebWindowSetup& setup, int group,
           QWidget* parent = nullptr);
    ~TForm3() override;

    WebPages& pages() { return pages_; }
    void render();
    // Commands that the program runs on an open window.
    void OpenGroup(int group);
    void ShowHelp(const QString& anchor);
    void OnlineLexikon();
    // Group 1 chosen and its first page loading, said so in the caption.
    void LoadRatePages();

    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr,
                *SpeedButton5 = nullptr, *SpeedButton6 = nullptr, *SpeedButton7 = nullptr, *SpeedButton8 = nullptr,
                *SpeedButton9 = nullptr;
    QPushButton* Button1 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr;
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr, *RadioButton3 = nullptr;
    QWidget* IE = nullptr;  // the browser, or an empty area when there is none
    QStatusBar* StatusBar1 = nullptr;

    // The message shown when there is no usable browser.
    static QString noBrowserMessage(int group);
    // The same message as "Kurse aktualisieren" has always spelled it.
    static QString noBrowserMessageForRates();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Events;
    void buildControls(const WebWindowSetup& setup);
    QToolButton* makeSpeedButton(const char* name, const QString& caption, const QString& hint, QRect rect);
    void connectControls();
    void run(const std::function<void()>& command);
    void goToPage(int group);
    void layoutControls();
    QComboBox* list(int group) const;

    Dialogs& dialogs_;
    QString iniPath_;
    WebPages pages_;
    WebBrowserView* browser_ = nullptr;
    std::unique_ptr<Events> events_;
    bool rendering_ = false;
};
