#include "shell/webpages.h"

#include "core/dialogs.h"
#include "core/inifile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kConfig = QStringLiteral("Config");
const QString kSections[WebPages::Groups] = {QStringLiteral("Seiten"), QStringLiteral("Seiten2"),
                                             QStringLiteral("Seiten3")};
const QString kNoNetwork = QStringLiteral("Fehler, eventuell kein DFÜ-Netzwerk");
const QString kNoPage = QStringLiteral("Keine Seite geladen");
const QString kHelpMissing = QStringLiteral("Die Hilfedatei hilfe.htm wurde nicht gefunden.");

QString escaped(const QString& text) { return text.toHtmlEscaped(); }
}  // namespace

QString webGroupCaption(int group) {
    switch (group) {
    case 1: return QStringLiteral("Kalkulo | Umrechnen / Kurse");
    case 2: return QStringLiteral("Kalkulo | Mathematik");
    case 3: return QStringLiteral("Kalkulo | Suche");
    default: return QStringLiteral("Kalkulo | Hilfe");
    }
}

QString ratePagesLoadingCaption() { return QStringLiteral("Kalkulo | Umrechnen / Kurse  - Seite wird geladen!"); }

WebPages::WebPages(Dialogs& dialogs, QString startDirectory, QString programDirectory)
    : dialogs_(dialogs), startDirectory_(std::move(startDirectory)), programDirectory_(std::move(programDirectory)) {
    SelectGroup(1);
}

std::array<QStringList, WebPages::Groups> WebPages::builtInLists() {
    return {
        QStringList{
            // The first page quotes 1 Euro = X, as the rate update needs it.
            QStringLiteral("https://www.ecb.europa.eu/stats/policy_and_exchange_rates/euro_reference_exchange_rates/"
                           "html/index.de.html"),
            QStringLiteral("https://www.bundesbank.de/de/statistiken/wechselkurse"),
            QStringLiteral("https://www.xe.com/de/currencyconverter/"),
            QStringLiteral("https://www.oanda.com/currency-converter/de/"),
            QStringLiteral("https://www.unitconverters.net/"),
        },
        QStringList{
            QStringLiteral("https://www.mathe-online.at/"),
            QStringLiteral("https://www.mathe-online.at/galerie.html"),
            LexiconAddress,
            QString(),
        },
        QStringList{
            QStringLiteral("https://www.google.de/"),
            QStringLiteral("https://www.bing.com/?cc=de"),
            QStringLiteral("https://duckduckgo.com/?kl=de-de"),
        },
    };
}

void WebPages::setBrowser(WebBrowser* browser) {
    browser_ = browser;
    if (browser_) browser_->setListener(this);
}

void WebPages::load(const IniFile& ini) {
    for (int g = 0; g < Groups; ++g)
        if (ini.sectionExists(kSections[g])) Entries[g] = ini.readList(kSections[g]);
    SelectGroup(1);
}

QSize WebPages::readSize(const IniFile& ini, QSize defaultSize, int screenHeight) {
    const int width = ini.readInteger(kConfig, QStringLiteral("Form3Width"), defaultSize.width());
    int height = ini.readInteger(kConfig, QStringLiteral("Form3Height"), defaultSize.height());
    if (height < 100) height = screenHeight - 30;
    RestoreHeight = height;
    return {width, height};
}

void WebPages::save(IniFile& ini, QSize size) {
    ini.writeInteger(kConfig, QStringLiteral("Form3Height"), size.height());
    ini.writeInteger(kConfig, QStringLiteral("Form3Width"), size.width());
    for (int g = 0; g < Groups; ++g) {
        ini.eraseSection(kSections[g]);
        ini.writeList(kSections[g], Entries[g]);
    }
    HistoryDepth = 0;
    ForwardSteps = 0;
}

void WebPages::SelectGroup(int group) {
    if (group < 1 || group > Groups) return;
    SelectedGroup = VisibleGroup = group;
    SelectEntry(group, 0);
    Caption = webGroupCaption(group);
}

void WebPages::SelectEntry(int group, int index) {
    if (group < 1 || group > Groups) return;
    const QStringList& list = Entries[group - 1];
    if (index >= 0 && index < list.size()) Texts[group - 1] = list[index];
}

void WebPages::SetText(int group, const QString& text) {
    if (group >= 1 && group <= Groups) Texts[group - 1] = text;
}

int WebPages::listGroup(int group) const {
    if (group >= 1 && group <= Groups) return group;
    return SelectedGroup ? SelectedGroup : 3;
}

QUrl WebPages::addressOf(const QString& text) const {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return {};
    // A local path is turned into an address by QUrl, so blanks, "#" and "%" in folder names survive.
    const QFileInfo file(trimmed);
    if (file.isAbsolute() && file.exists()) return QUrl::fromLocalFile(file.absoluteFilePath());
    if (trimmed.contains(u' ') && !trimmed.contains(QStringLiteral("://"))) return {};
    const QUrl url = QUrl::fromUserInput(trimmed, startDirectory_);
    return url.isValid() && !url.scheme().isEmpty() ? url : QUrl();
}

bool WebPages::NavigateTo(const QString& text) {
    const QUrl address = addressOf(text);
    if (!address.isValid()) {
        dialogs_.message(kNoNetwork);
        return false;
    }
    if (browser_) browser_->navigate(address);
    return browser_ != nullptr;
}

bool WebPages::GoToPage(int group) {
    const bool navigated = NavigateTo(Texts[listGroup(group) - 1]);
    ForwardSteps = 0;
    ForwardEnabled = false;
    return navigated;
}

void WebPages::Back() {
    if (browser_) browser_->goBack();
    ++ForwardSteps;
    ForwardEnabled = true;
    HistoryDepth -= 2;  // the completion of the step adds one back
    if (HistoryDepth < 2) BackEnabled = false;
}

void WebPages::Forward() {
    if (browser_) browser_->goForward();
    if (--ForwardSteps <= 0) {
        ForwardSteps = 0;
        ForwardEnabled = false;
    }
    BackEnabled = true;
}

void WebPages::Stop() {
    if (!browser_ || !browser_->hasPage()) {
        dialogs_.message(kNoPage);
        return;
    }
    browser_->stop();
}

void WebPages::Reload() {
    if (!browser_ || !browser_->hasPage()) {
        dialogs_.message(kNoPage);
        return;
    }
    browser_->refresh();
}

void WebPages::Home() {
    const QString path = helpFilePath();
    if (path.isEmpty()) {
        showFailure(HelpFileName, kHelpMissing);
        return;
    }
    if (browser_) browser_->navigate(QUrl::fromLocalFile(path));
}

void WebPages::AddEntry() {
    const int g = listGroup(VisibleGroup) - 1;
    const QString& text = Texts[g];
    if (!Entries[g].contains(text)) Entries[g].append(text);
}

void WebPages::DeleteEntry() {
    const int g = listGroup(VisibleGroup) - 1;
    // Only an entry the list shows counts as selected; typed text is no entry.
    const qsizetype index = Entries[g].indexOf(Texts[g]);
    if (index < 0) return;
    if (!dialogs_.askYesNo(QStringLiteral("Eintrag löschen?"))) return;
    Entries[g].removeAt(index);
    Texts[g] = Entries[g].value(0);
}

QStringList WebPages::openFilters() {
    return {QStringLiteral("HTML-Dateien (*.htm/html) (*.htm *.html *.shtml)"),
            QStringLiteral("Text-Dateien (*.txt) (*.txt)"), QStringLiteral("Alle Dateien (*.*) (*)")};
}

void WebPages::OpenFile() {
    if (SelectedGroup == 0) SelectGroup(2);
    const QString name = dialogs_.openFileName(QStringLiteral("Datei öffnen"), QString(), openFilters());
    if (name.isEmpty()) return;
    Texts[SelectedGroup - 1] = name;
    GoToPage();
}

QString WebPages::helpFilePath() const {
    for (const QString& folder : {startDirectory_, programDirectory_}) {
        const QString path = QDir(folder).filePath(HelpFileName);
        if (!folder.isEmpty() && QFileInfo(path).isFile()) return QFileInfo(path).absoluteFilePath();
    }
    return {};
}

void WebPages::ShowHelp(const QString& anchor) {
    const QString path = helpFilePath();
    // The groups' radio buttons all go off; the list of "others" shows the help page.
    SelectedGroup = 0;
    VisibleGroup = 3;
    Caption = webGroupCaption(0);
    if (path.isEmpty()) {
        showFailure(HelpFileName, kHelpMissing);
        return;
    }
    Texts[2] = path;
    QUrl page = QUrl::fromLocalFile(path);
    const QString fragment = anchor.startsWith(u'#') ? anchor.mid(1) : anchor;
    if (!fragment.isEmpty()) page.setFragment(fragment);
    if (browser_) browser_->navigate(page);
}

QSize WebPages::constrainSize(QSize requested) {
    QSize size(std::max(requested.width(), 200), requested.height());
    if (size.height() < 50) size.setHeight(RestoreHeight);
    else RestoreHeight = size.height();
    return size;
}

bool WebPages::backAvailable() const { return BackEnabled && (!browser_ || browser_->canGoBack()); }
bool WebPages::forwardAvailable() const { return ForwardEnabled && (!browser_ || browser_->canGoForward()); }

bool WebPages::isLocalFile(const QString& address) const { return QUrl(address).isLocalFile(); }

void WebPages::statusTextChanged(const QString& text) { StatusText = text; }

void WebPages::progressChanged(int current, int maximum) {
    if (current == -1 || maximum == 0) StatusText = QStringLiteral("Powered by Microsoft Intenet Explorer");
    else StatusText = QStringLiteral("%1 von %2").arg(current).arg(maximum);
    StopEnabled = true;
}

void WebPages::navigationCompleted(const QString& address) {
    if (!isLocalFile(address) && SelectedGroup == 0) SelectedGroup = VisibleGroup = 3;
    HistoryDepth = HistoryDepth == 0 ? 1 : HistoryDepth + 1;
    if (HistoryDepth > 1) BackEnabled = true;
    ReloadEnabled = true;
    if (SelectedGroup) Texts[SelectedGroup - 1] = address;
}

void WebPages::documentCompleted(const QString&) {
    if (SelectedGroup == 1) Caption = webGroupCaption(1);
}

QString WebPages::reasonText(LoadError error, const QString& detail) {
    switch (error) {
    case LoadError::NoNetwork: return QStringLiteral("Es besteht keine Verbindung zum Netzwerk.");
    case LoadError::HostNotFound: return QStringLiteral("Der Name des Servers wurde nicht gefunden.");
    case LoadError::Refused: return QStringLiteral("Der Server hat die Verbindung abgelehnt.");
    case LoadError::TimedOut: return QStringLiteral("Der Server hat nicht rechtzeitig geantwortet.");
    case LoadError::FileNotFound: return QStringLiteral("Die Datei wurde nicht gefunden.");
    case LoadError::Other: break;
    }
    const QString base = QStringLiteral("Die Seite konnte nicht geladen werden.");
    return detail.isEmpty() ? base : base + QStringLiteral(" (") + detail + u')';
}

void WebPages::loadFailed(const QString& address, LoadError error, const QString& detail) {
    if (Caption == ratePagesLoadingCaption()) Caption = webGroupCaption(1);  // nothing is loading any more
    showFailure(address, reasonText(error, detail));
}

void WebPages::showFailure(const QString& address, const QString& reason) {
    const bool helpMissing = reason == kHelpMissing;
    const QString title = helpMissing ? reason : kNoNetwork;
    StatusText = helpMissing ? reason : title + QStringLiteral(": ") + address + QStringLiteral(" – ") + reason;
    if (!browser_) return;
    QString html = QStringLiteral(
                       "<!DOCTYPE html><html lang=\"de\"><head><meta charset=\"utf-8\"><title>%1</title>"
                       "</head><body style=\"font-family:sans-serif;margin:2em\"><h2>%1</h2>")
                       .arg(escaped(title));
    if (!helpMissing)
        html += QStringLiteral("<p>Adresse: <code>%1</code></p><p>%2</p>").arg(escaped(address), escaped(reason));
    html += QStringLiteral("</body></html>");
    browser_->showNotice(html);
}
