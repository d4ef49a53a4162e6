#pragma once
// The web pages window's state and commands: three editable address lists, the group choice,
// the navigation counters and the button states. The window renders from here after every
// command; the browser is reached through WebBrowser and may be missing altogether.
#include "shell/webbrowser.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

class Dialogs;
class IniFile;

class WebPages : public WebBrowserListener {
public:
    static constexpr int Groups = 3;
    // The help page, also the "Home" page: Kalkulo has no web site.
    static inline const QString HelpFileName = QStringLiteral("hilfe.htm");
    static inline const QString LexiconAddress = QStringLiteral("https://de.wikipedia.org/wiki/Portal:Mathematik");

    // `startDirectory`: the working directory at start; `programDirectory`: where the program and
    // its own copy of the help page lie.
    WebPages(Dialogs& dialogs, QString startDirectory, QString programDirectory);

    // The lists as shipped.
    static std::array<QStringList, Groups> builtInLists();

    // ---- State ----
    std::array<QStringList, Groups> Entries = builtInLists();  // ComboBox1..3
    std::array<QString, Groups> Texts;                         // their edit texts
    int SelectedGroup = 1;                                     // the checked radio button, 0 for none
    int VisibleGroup = 1;                                      // whose list shows; stays when the groups are deselected
    int HistoryDepth = 0;                                      // pages reached in this window
    int ForwardSteps = 0;                                      // steps that can be repeated forward
    bool BackEnabled = false, ForwardEnabled = false, StopEnabled = false, ReloadEnabled = false;
    QString Caption;
    QString StatusText = QStringLiteral("Powered by Microsoft Internet Explorer");
    int RestoreHeight = 578;

    // ---- Set-up ----
    // Nullptr: no usable browser; the window then shows no pages.
    void setBrowser(WebBrowser* browser);
    WebBrowser* browser() const { return browser_; }
    // The lists from the settings file as the window is created; then entry 0 of group 1.
    void load(const IniFile& ini);
    // The window's size from the settings file; a height below 100 becomes the screen's less 30.
    QSize readSize(const IniFile& ini, QSize defaultSize, int screenHeight);
    // Writes the size and the three lists, as the window closes, and resets the counters.
    void save(IniFile& ini, QSize size);

    // ---- Commands ----
    void SelectGroup(int group);
    void SelectEntry(int group, int index);
    void SetText(int group, const QString& text);
    // "Seite aufrufen"; also Enter in a list (`group` 1..3). False when nothing was navigated.
    bool GoToPage(int group = 0);
    void Back();
    void Forward();
    void Stop();
    void Reload();
    void Home();
    void AddEntry();
    void DeleteEntry();
    // "Datei öffnen" with the open dialog's filters below.
    void OpenFile();
    static QStringList openFilters();
    // The help page at `anchor` ("#Finanz", or empty for the top).
    void ShowHelp(const QString& anchor = QString());
    // Navigates to any address of ours (the lexicon); false when it is no address.
    bool NavigateTo(const QString& text);
    // The size the window takes when asked for `requested`.
    QSize constrainSize(QSize requested);

    // Where the help page is: the start directory's copy, else the program's; empty when none.
    QString helpFilePath() const;
    // The text of a list as an address; invalid when it is none.
    QUrl addressOf(const QString& text) const;
    // Back and forward as the buttons show them: the counters, and a step the browser can take.
    bool backAvailable() const;
    bool forwardAvailable() const;

    // ---- Browser events ----
    void statusTextChanged(const QString& text) override;
    void progressChanged(int current, int maximum) override;
    void navigationCompleted(const QString& address) override;
    void documentCompleted(const QString& address) override;
    void loadFailed(const QString& address, LoadError error, const QString& detail) override;

    // Plain German words for a load error.
    static QString reasonText(LoadError error, const QString& detail);

private:
    int listGroup(int group) const;
    bool isLocalFile(const QString& address) const;
    void showFailure(const QString& address, const QString& reason);

    Dialogs& dialogs_;
    QString startDirectory_;
    QString programDirectory_;
    WebBrowser* browser_ = nullptr;
};

// The window captions of the groups.
QString webGroupCaption(int group);
// The caption while the exchange-rate pages load for the rate dialog.
QString ratePagesLoadingCaption();
