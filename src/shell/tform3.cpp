#include "shell/tform3.h"

#include "core/dialogs.h"
#include "core/settingsfile.h"
#include "shell/webbrowserplugin.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

namespace {
constexpr int kListLeft = 168;
constexpr int kBrowserTop = 64;
constexpr int kStatusHeight = 20;

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
}  // namespace

// Browser events arrive outside any command of ours: hand them to the state, then show it.
class TForm3::Events : public WebBrowserListener {
public:
    explicit Events(TForm3& form) : form_(form) {}
    void statusTextChanged(const QString& text) override {
        form_.run([&] { form_.pages_.statusTextChanged(text); });
    }
    void progressChanged(int current, int maximum) override {
        form_.run([&] { form_.pages_.progressChanged(current, maximum); });
    }
    void navigationCompleted(const QString& address) override {
        form_.run([&] { form_.pages_.navigationCompleted(address); });
    }
    void documentCompleted(const QString& address) override {
        form_.run([&] { form_.pages_.documentCompleted(address); });
    }
    void loadFailed(const QString& address, LoadError error, const QString& detail) override {
        form_.run([&] { form_.pages_.loadFailed(address, error, detail); });
    }

private:
    TForm3& form_;
};

QString TForm3::noBrowserMessage(int group) {
    return QStringLiteral("Der MS Internet Explorer ab Version 3\rmuß auf dem Rechner installiert sein um diese ") +
        (group == 2 || group == 3 ? QStringLiteral("Seite zu benutzen!") : QStringLiteral("Funktion zu benutzen!"));
}

QString TForm3::noBrowserMessageForRates() {
    return QStringLiteral(
        "Der MS Internet Explorer ab Version 3\rmuss auf dem Rechner installiert sein um diese "
        "Funktion zu benutzen!");
}

TForm3::TForm3(Dialogs& dialogs, WebBrowserFactory* factory, const WebWindowSetup& setup, int group, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      iniPath_(setup.iniPath),
      pages_(dialogs, setup.startDirectory, setup.programDirectory),
      events_(std::make_unique<Events>(*this)) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    const SettingsFile settings(iniPath_);
    pages_.load(settings.ini);
    if (factory) browser_ = factory->createBrowser(this);
    buildControls(setup);
    connectControls();
    if (browser_) {
        pages_.setBrowser(browser_);
        browser_->setListener(events_.get());
    } else {
        dialogs_.message(setup.noBrowserText.isEmpty() ? noBrowserMessage(group) : setup.noBrowserText);
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size =
        pages_.readSize(settings.ini, setup.defaultSize, screen ? screen->availableSize().height() : 768);
    move(0, 0);
    resize(size);
    layoutControls();
    render();
}

TForm3::~TForm3() {
    if (browser_) browser_->setListener(nullptr);
}

QToolButton* TForm3::makeSpeedButton(const char* name, const QString& caption, const QString& hint, QRect rect) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setGeometry(rect);
    return button;
}

void TForm3::buildControls(const WebWindowSetup& setup) {
    setAutoFillBackground(true);
    paint(this, QPalette::Window, setup.windowColour);
    SpeedButton1 = makeSpeedButton("SpeedButton1", QStringLiteral("←"), QStringLiteral("Zurück"), {4, 4, 26, 26});
    SpeedButton2 = makeSpeedButton("SpeedButton2", QStringLiteral("→"), QStringLiteral("Forwärts"), {32, 4, 26, 26});
    SpeedButton3 = makeSpeedButton("SpeedButton3", QStringLiteral("✕"), QStringLiteral("Stop"), {60, 4, 26, 26});
    SpeedButton5 = makeSpeedButton("SpeedButton5", QStringLiteral("↻"), QStringLiteral("Neu Laden"), {88, 4, 26, 26});
    SpeedButton8 =
        makeSpeedButton("SpeedButton8", QStringLiteral("?"), QStringLiteral("Hilfedatei anzeigen"), {124, 4, 26, 26});
    SpeedButton4 = makeSpeedButton("SpeedButton4", QStringLiteral("Home"), QStringLiteral("Homepage von Kalkulo"),
                                   {152, 4, 48, 26});
    SpeedButton9 =
        makeSpeedButton("SpeedButton9", QStringLiteral("…"), QStringLiteral("Datei öffnen"), {202, 4, 26, 26});
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton5}) b->setEnabled(false);

    const QString groups[] = {QStringLiteral("Umrechnungsseiten"), QStringLiteral("Mathematische Seiten"),
                              QStringLiteral("Suchmaschinen / Sonstiges")};
    QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3};
    const int radioLeft[] = {244, 392, 556};
    for (int g = 0; g < 3; ++g) {
        auto* radio = new QRadioButton(groups[g], this);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(g + 1));
        radio->setAutoExclusive(false);  // the help page deselects all three
        radio->setGeometry(radioLeft[g], 8, radio->sizeHint().width() + 4, 20);
        paint(radio, QPalette::WindowText, setup.groupTextColour);
        *radios[g] = radio;
    }

    Button1 = new QPushButton(QStringLiteral("Seite aufrufen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(4, 35, 100, 25);
    SpeedButton6 = makeSpeedButton("SpeedButton6", QStringLiteral("+"), QStringLiteral("Neuen Eintrag speichern"),
                                   {110, 35, 25, 25});
    SpeedButton7 =
        makeSpeedButton("SpeedButton7", QStringLiteral("−"), QStringLiteral("Eintrag löschen"), {138, 35, 25, 25});
    QComboBox** lists[] = {&ComboBox1, &ComboBox2, &ComboBox3};
    for (int g = 0; g < 3; ++g) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(g + 1));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);  // only "Neuen Eintrag speichern" adds
        paint(combo, QPalette::Base, setup.fieldColour);
        paint(combo->lineEdit(), QPalette::Base, setup.fieldColour);
        *lists[g] = combo;
    }

    if (browser_) {
        IE = browser_->widget();
    } else {
        auto* empty = new QFrame(this);
        empty->setFrameShape(QFrame::StyledPanel);
        empty->setAutoFillBackground(true);
        paint(empty, QPalette::Window, Qt::white);
        IE = empty;
    }
    IE->setObjectName(QStringLiteral("IE"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
}

void TForm3::connectControls() {
    // A plain function, not a member-function pointer: GCC's address sanitizer misreads one
    // captured in these nested lambdas.
    auto click = [this](QToolButton* button, void (*command)(WebPages&)) {
        connect(button, &QToolButton::clicked, this, [this, command] { run([this, command] { command(pages_); }); });
    };
    click(SpeedButton1, [](WebPages& p) { p.Back(); });
    click(SpeedButton2, [](WebPages& p) { p.Forward(); });
    click(SpeedButton3, [](WebPages& p) { p.Stop(); });
    click(SpeedButton5, [](WebPages& p) { p.Reload(); });
    click(SpeedButton4, [](WebPages& p) { p.Home(); });
    click(SpeedButton6, [](WebPages& p) { p.AddEntry(); });
    click(SpeedButton7, [](WebPages& p) { p.DeleteEntry(); });
    click(SpeedButton9, [](WebPages& p) { p.OpenFile(); });
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { ShowHelp(QString()); });
    connect(Button1, &QPushButton::clicked, this, [this] { goToPage(0); });
    for (int g = 1; g <= 3; ++g) {
        QRadioButton* radio = g == 1 ? RadioButton1 : g == 2 ? RadioButton2 : RadioButton3;
        connect(radio, &QRadioButton::clicked, this, [this, g] { run([this, g] { pages_.SelectGroup(g); }); });
        QComboBox* combo = list(g);
        connect(combo, &QComboBox::activated, this,
                [this, g](int index) { run([this, g, index] { pages_.SelectEntry(g, index); }); });
        connect(combo, &QComboBox::editTextChanged, this, [this, g](const QString& text) {
            if (!rendering_) pages_.SetText(g, text);
        });
        connect(combo->lineEdit(), &QLineEdit::returnPressed, this, [this, g] { goToPage(g); });
    }
}

void TForm3::goToPage(int group) {
    bool navigated = false;
    run([&] { navigated = pages_.GoToPage(group); });
    if (navigated && IE) IE->setFocus();
}

void TForm3::run(const std::function<void()>& command) {
    command();
    render();
}

QComboBox* TForm3::list(int group) const { return group == 1 ? ComboBox1 : group == 2 ? ComboBox2 : ComboBox3; }

void TForm3::render() {
    rendering_ = true;
    setWindowTitle(pages_.Caption);
    RadioButton1->setChecked(pages_.SelectedGroup == 1);
    RadioButton2->setChecked(pages_.SelectedGroup == 2);
    RadioButton3->setChecked(pages_.SelectedGroup == 3);
    for (int g = 1; g <= 3; ++g) {
        QComboBox* combo = list(g);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        if (items != pages_.Entries[g - 1]) {
            combo->clear();
            combo->addItems(pages_.Entries[g - 1]);
        }
        const QString& text = pages_.Texts[g - 1];
        combo->setCurrentIndex(pages_.Entries[g - 1].indexOf(text));
        if (combo->currentText() != text) combo->setEditText(text);
        combo->setVisible(g == pages_.VisibleGroup);
    }
    SpeedButton1->setEnabled(pages_.backAvailable());
    SpeedButton2->setEnabled(pages_.forwardAvailable());
    SpeedButton3->setEnabled(pages_.StopEnabled);
    SpeedButton5->setEnabled(pages_.ReloadEnabled);
    StatusBar1->showMessage(pages_.StatusText);
    rendering_ = false;
}

void TForm3::layoutControls() {
    const int listWidth = std::max(width() - kListLeft - 20, 40);
    for (int g = 1; g <= 3; ++g) list(g)->setGeometry(kListLeft, 35, listWidth, 25);
    const int statusTop = height() - kStatusHeight;
    IE->setGeometry(0, kBrowserTop, width(), std::max(statusTop - kBrowserTop, 0));
    StatusBar1->setGeometry(0, statusTop, width(), kStatusHeight);
}

void TForm3::resizeEvent(QResizeEvent* event) {
    const QSize wanted = pages_.constrainSize(event->size());
    if (wanted != event->size()) {
        resize(wanted);
        return;
    }
    layoutControls();
    QWidget::resizeEvent(event);
}

void TForm3::OpenGroup(int group) {
    run([&] { pages_.SelectGroup(group); });
}

void TForm3::ShowHelp(const QString& anchor) {
    run([&] { pages_.ShowHelp(anchor); });
}

void TForm3::OnlineLexikon() {
    run([&] {
        pages_.SelectGroup(2);
        pages_.NavigateTo(WebPages::LexiconAddress);
        pages_.SetText(3, WebPages::LexiconAddress);
    });
}

void TForm3::LoadRatePages() {
    run([&] {
        pages_.SelectGroup(1);
        // Before the page is asked for: a browser may report it loaded before navigate returns.
        pages_.Caption = ratePagesLoadingCaption();
        if (!pages_.GoToPage(1)) pages_.Caption = webGroupCaption(1);
    });
}

void TForm3::closeEvent(QCloseEvent* event) {
    SettingsFile settings(iniPath_);
    pages_.save(settings.ini, size());
    if (!settings.commit()) dialogs_.message(settingsNotSavedMessage(settings.path(), settings.reason()));
    QWidget::closeEvent(event);
}
