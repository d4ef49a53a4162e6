#include "shell/webwindow.h"

#include "core/dialogs.h"
#include "shell/aboutbox.h"
#include "shell/programfiles.h"
#include "shell/referencetexts.h"
#include "shell/tform1.h"
#include "shell/wrappingmenubar.h"
#include "tape/tapedocument.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>

WebWindow::WebWindow(Dialogs& dialogs, TForm1& mainWindow, QString startDirectory, QString iniPath, QString modulePath)
    : QObject(&mainWindow),
      dialogs_(dialogs),
      main_(mainWindow),
      startDirectory_(std::move(startDirectory)),
      iniPath_(std::move(iniPath)),
      module_(std::move(modulePath)) {}

void WebWindow::addMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& text, auto command) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    QMenu* internet = main_.MainMenu->addMenu(QStringLiteral("&Internet"));
    internet->setObjectName(QStringLiteral("Internet1"));
    item(internet, "Umrechnungsseiten1", QStringLiteral("Umrechnungsseiten"), [this] { OpenWebWindow(1); });
    item(internet, "MathematischeSeiten1", QStringLiteral("Mathematische Seiten"), [this] { OpenWebWindow(2); });
    item(internet, "Suchmaschinen1", QStringLiteral("Suchmaschinen"), [this] { OpenWebWindow(3); });

    QMenu* help = main_.MainMenu->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe"));
    // F1 reaches the main window's key handling, which asks for help; no shortcut here, or it would run twice.
    item(help, "Hilfe1", QStringLiteral("Hilfe (F1)"), [this] { ShowHelp(); });
    item(help, "OnlineLexikon1", QStringLiteral("Online-Lexikon"), [this] { OnlineLexikon(); });
    item(help, "MetrischeVorsilben1", QStringLiteral("Metrische Vorsilben"), [this] { ShowMetricPrefixes(); });
    help->addSeparator();
    item(help, "Info1", QStringLiteral("Über Kalkulo..."), [this] { ShowAbout(); });
}

WebWindowSetup WebWindow::setup() const {
    WebWindowSetup s;
    s.startDirectory = startDirectory_;
    const QString help = programfiles::find(WebPages::HelpFileName, programfiles::Kind::Data);
    if (!help.isEmpty()) s.programDirectory = QFileInfo(help).path();
    s.iniPath = iniPath_;
    s.windowColour = main_.palette().color(QPalette::Window);
    s.fieldColour = TapeDocument::fromBgr(main_.FieldColour);
    if (QLabel* nk = main_.Label7) s.groupTextColour = nk->palette().color(QPalette::WindowText);
    return s;
}

TForm3& WebWindow::open(int group, std::optional<QSize> defaultSize, const QString& noBrowserText) {
    if (!form_) {
        WebWindowSetup s = setup();
        if (defaultSize) s.defaultSize = *defaultSize;
        s.noBrowserText = noBrowserText;
        form_ = new TForm3(dialogs_, factory_ ? factory_ : module_.factory(), s, group, &main_);
        form_->show();
    }
    form_->raise();
    form_->activateWindow();
    return *form_;
}

void WebWindow::OpenWebWindow(int group) { open(group).OpenGroup(group); }

void WebWindow::ShowHelp(const QString& anchor) { open(1).ShowHelp(anchor); }

void WebWindow::OnlineLexikon() { open(2).OnlineLexikon(); }

void WebWindow::OpenRatePages() {
    const bool existed = form_;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    TForm3& form =
        open(1, QSize(screenSize.width() - 10, screenSize.height() - 40), TForm3::noBrowserMessageForRates());
    if (existed) {
        QPoint place = form.pos();
        if (place.x() > 50) place.setX(0);
        if (place.y() > 50) place.setY(0);
        form.move(place);
    }
    form.LoadRatePages();
}

void WebWindow::ShowAbout() {
    TAboutBox box(&main_);
    box.exec();
}

void WebWindow::ShowMetricPrefixes() {
    dialogs_.message(metricPrefixesText(QFontMetricsF(QApplication::font("QMessageBox"))));
}
