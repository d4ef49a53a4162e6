#include "finance/views/tfoerder.h"

#include "core/dialogs.h"
#include "finance/settingssource.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

namespace {

QLineEdit* field(QWidget* parent, const char* name, const QString& hint, int width = 80) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setToolTip(hint);
    e->setFixedWidth(width);
    e->setAlignment(Qt::AlignRight);
    return e;
}

template <typename Button>
Button* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new Button(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QGroupBox* group(const QString& title, QWidget* parent) { return new QGroupBox(title, parent); }

}  // namespace

TFoerder::TFoerder(FinanceCalculator& finance, SettingsSource& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), finance_(finance), subsidy_(finance.Subsidy), settings_(settings), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TFoerder"));
    setWindowTitle(QStringLiteral("Staatliche Förderung"));
    setModal(false);
    setFont(QFont(QStringLiteral("Arial"), 9));
    auto* root = new QVBoxLayout(this);
    Notice =
        new QLabel(QStringLiteral("Die Eigenheimzulage wurde zum 1.1.2006 gestrichen. \nWenn es sich wieder ändern "
                                  "sollte können Sie \ndie Felder wieder mit neuen Daten füllen."),
                   this);
    Notice->setObjectName(QStringLiteral("Notice"));
    root->addWidget(Notice);
    auto* columns = new QHBoxLayout;
    root->addLayout(columns);
    buildParameters();
    buildBorrower();
    columns->addWidget(findChild<QGroupBox*>(QStringLiteral("Vorgaben")));
    columns->addWidget(findChild<QWidget*>(QStringLiteral("Darlehensnehmer")));

    auto* results = new QGridLayout;
    Edit12 = field(this, "Edit12", {}, 90);
    Edit2 = field(this, "Edit2", {}, 90);
    for (QLineEdit* e : {Edit12, Edit2}) {
        e->setReadOnly(true);
        e->installEventFilter(this);
    }
    TotalLabel = new QLabel(subsidy_.TotalCaption, this);
    TotalLabel->setObjectName(QStringLiteral("TotalLabel"));
    Ges = new QLabel(this);
    Ges->setObjectName(QStringLiteral("Ges"));
    results->addWidget(new QLabel(QStringLiteral("Jährlicher Förderbetrag: "), this), 0, 0);
    results->addWidget(Edit12, 0, 3);
    results->addWidget(TotalLabel, 1, 0);
    results->addWidget(Ges, 1, 1);
    results->addWidget(new QLabel(QStringLiteral("Jahr(en)"), this), 1, 2);
    results->addWidget(Edit2, 1, 3);
    results->setColumnStretch(0, 1);
    root->addLayout(results);

    OKBtn = button<QPushButton>(this, "OKBtn", QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn = button<QPushButton>(this, "CancelBtn", QStringLiteral("Keine Förderung"));
    CancelBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    root->addLayout(buttons);
    connectControls();
    showState();
}

void TFoerder::buildParameters() {
    auto* box = group(QStringLiteral(" Vorgaben (pro Jahr) "), this);
    box->setObjectName(QStringLiteral("Vorgaben"));
    auto* grid = new QGridLayout(box);
    Edit3 = field(box, "Edit3", QStringLiteral("Maximale Neubauzulage"));
    Edit4 = field(box, "Edit4", QStringLiteral("Maximale Altbauzulage"));
    Edit5 = field(box, "Edit5", QStringLiteral("Bei sehr gutem Wärmeschutz in Neubauten"));
    Edit11 = field(box, "Edit11",
                   QStringLiteral("Bei Einbau von Solaranlagen, Wärmepumpen und Anlagen für Wärmerückgewinnung"));
    Edit6 = field(box, "Edit6", QStringLiteral("Kinderzulage"));
    Edit7 = field(box, "Edit7", QStringLiteral("Zwei-Jahres Einkommensgrenze für Unverheiratete."));
    Edit8 = field(box, "Edit8", QStringLiteral("Zwei-Jahres Einkommensgrenze für Verheiratete."));
    Edit9 = field(box, "Edit9", QStringLiteral("Erhöhung der Einkommensgrenze pro Kind"));
    Edit10 = field(box, "Edit10", QStringLiteral("Dauer der Förderung"));
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Neubauzulage", Edit3}, {"Altbauzulage", Edit4},   {"Ökozulage 1", Edit5},
        {"Ökozulage 2", Edit11}, {"Kinderzulage:", Edit6},  {"Grenze Unvh.", Edit7},
        {"Grenze Verh.", Edit8}, {"Erh. pro Kind:", Edit9}, {"Dauer (Jahre)", Edit10}};
    int row = 0;
    for (const auto& [caption, edit] : rows) {
        auto* label = new QLabel(QString::fromUtf8(caption), box);
        if (edit == Edit7) {
            label->setToolTip(
                QStringLiteral("Maximales Zweijahreseinkommen von unverheirateten. \nEs werden das "
                               "aktuelle und das Vorjahr addiert!"));
        }
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1);
    }
}

void TFoerder::buildBorrower() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("Darlehensnehmer"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* borrower = group(QStringLiteral("Darlehensnehmer"), column);
    auto* b = new QGridLayout(borrower);
    b->addWidget(new QLabel(QStringLiteral("Gesamteeinkommen der\nletzten zwei Jahre."), borrower), 0, 0);
    Edit1 = field(borrower, "Edit1", {}, 100);
    b->addWidget(Edit1, 0, 1);
    auto* shared = new QLabel(QStringLiteral("(Bei Verheirateten gemein- sames Einkommen)"), borrower);
    shared->setWordWrap(true);
    b->addWidget(shared, 1, 0, 1, 2);
    Kinder = new QSpinBox(borrower);
    Kinder->setObjectName(QStringLiteral("Kinder"));
    Kinder->setToolTip(QStringLiteral("Kinderzulage und Einkommensgrenze erhöhen sich bei jedem Kind"));
    Kinder->setRange(0, INT_MAX);
    Kinder->setFixedWidth(60);
    Kinder->installEventFilter(this);
    b->addWidget(new QLabel(QStringLiteral("Kinder"), borrower), 2, 0);
    b->addWidget(Kinder, 2, 1);
    Verheiratet = button<QRadioButton>(borrower, "Verheiratet", QStringLiteral("Verheiratet"));
    Ledig = button<QRadioButton>(borrower, "Ledig", QStringLiteral("Ledig"));
    b->addWidget(Verheiratet, 3, 0);
    b->addWidget(Ledig, 3, 1);
    layout->addWidget(borrower);

    auto* object = group(QStringLiteral(" Objekt "), column);
    auto* o = new QGridLayout(object);
    Neubau = button<QRadioButton>(object, "Neubau", QStringLiteral("Neubau"));
    Altbau = button<QRadioButton>(object, "Altbau", QStringLiteral("Altbau"));
    Oeko = button<QCheckBox>(object, "Oeko", QStringLiteral("Ökozul.1"));
    Oeko2 = button<QCheckBox>(object, "Oeko2", QStringLiteral("Ökozl.2"));
    o->addWidget(Neubau, 0, 0);
    o->addWidget(Altbau, 0, 1);
    o->addWidget(Oeko, 1, 0);
    o->addWidget(Oeko2, 1, 1);
    layout->addWidget(object);

    auto* contract = group(QStringLiteral(" Vertragsabschluss "), column);
    auto* c = new QHBoxLayout(contract);
    Alt = button<QRadioButton>(contract, "Alt", QStringLiteral("bis 31.12.2005"));
    Neu = button<QRadioButton>(contract, "Neu", QStringLiteral("ab 1.1.2006"));
    c->addWidget(Alt);
    c->addWidget(Neu);
    layout->addWidget(contract);
    layout->addStretch();
}

template <typename Command>
void TFoerder::run(Command command) {
    pullInputs();
    const FinanceReaction reaction = command();
    showState();
    if (reaction.closeSubsidy) hide();
    emit financeChanged(reaction.focus);
    for (const QString& message : reaction.messages) dialogs_.message(message);
}

void TFoerder::connectControls() {
    FinanceCalculator& f = finance_;
    SubsidyCalculator& s = subsidy_;
    for (QLineEdit* e : {Edit3, Edit4, Edit5, Edit11, Edit6, Edit7, Edit8, Edit9, Edit10, Edit1}) {
        connect(e, &QLineEdit::textEdited, this,
                [this, &f, &s](const QString& text) { run([&] { return s.FieldEdited(text, f); }); });
    }
    connect(Kinder, &QSpinBox::valueChanged, this, [this, &f, &s] { run([&] { return s.KinderChange(f); }); });
    connect(Neubau, &QRadioButton::clicked, this, [this, &f, &s] { run([&] { return s.NeubauClick(f); }); });
    connect(Altbau, &QRadioButton::clicked, this, [this, &f, &s] { run([&] { return s.AltbauClick(f); }); });
    for (QCheckBox* box : {Oeko, Oeko2})
        connect(box, &QCheckBox::clicked, this, [this, &f, &s] { run([&] { return s.OekoClick(f); }); });
    for (QRadioButton* r : {Verheiratet, Ledig})
        connect(r, &QRadioButton::clicked, this, [this, &f, &s] { run([&] { return s.MaritalClick(f); }); });
    for (QRadioButton* r : {Alt, Neu})
        connect(r, &QRadioButton::clicked, this, [this, &f, &s] { run([&] { return s.RegimeClick(f, settings_); }); });
    connect(OKBtn, &QPushButton::clicked, this, [this, &f, &s] { run([&] { return s.OKBtnClick(f, settings_); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &TFoerder::reject);
}

void TFoerder::showSubsidy() {
    show();
    raise();
    activateWindow();
    run([this] { return subsidy_.Show(finance_, settings_); });
}

void TFoerder::closeEvent(QCloseEvent* event) {
    if (subsidy_.Shown) run([this] { return subsidy_.OKBtnClick(finance_, settings_); });
    // A message about a field that is not a number keeps the window open.
    if (subsidy_.Shown) event->ignore();
    else event->accept();
}

void TFoerder::reject() {
    run([this] { return subsidy_.CancelBtnClick(finance_, settings_); });
}

void TFoerder::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    run([this] { return subsidy_.ComputeSubsidy(finance_); });
}

bool TFoerder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Kinder && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Only the arrows change the number of children; a typed character sends the focus to "OK".
        if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
            OKBtn->setFocus();
            return true;
        }
    }
    if ((watched == Edit12 || watched == Edit2) && event->type() == QEvent::MouseButtonPress)
        run([this] { return subsidy_.ComputeSubsidy(finance_); });
    return QDialog::eventFilter(watched, event);
}

void TFoerder::pullInputs() {
    SubsidyCalculator& s = subsidy_;
    const std::pair<QString*, QLineEdit*> texts[] = {
        {&s.Edit3, Edit3}, {&s.Edit4, Edit4}, {&s.Edit5, Edit5}, {&s.Edit11, Edit11}, {&s.Edit6, Edit6},
        {&s.Edit7, Edit7}, {&s.Edit8, Edit8}, {&s.Edit9, Edit9}, {&s.Edit10, Edit10}, {&s.Edit1, Edit1}};
    for (const auto& [text, edit] : texts) *text = edit->text();
    s.Kinder = Kinder->value();
    s.Verheiratet = Verheiratet->isChecked();
    s.Ledig = Ledig->isChecked();
    s.Neubau = Neubau->isChecked();
    s.Altbau = Altbau->isChecked();
    s.Oeko = Oeko->isChecked();
    s.Oeko2 = Oeko2->isChecked();
    s.Alt = Alt->isChecked();
    s.Neu = Neu->isChecked();
}

void TFoerder::showState() {
    const SubsidyCalculator& s = subsidy_;
    const std::pair<const QString*, QLineEdit*> texts[] = {
        {&s.Edit3, Edit3},   {&s.Edit4, Edit4}, {&s.Edit5, Edit5},   {&s.Edit11, Edit11},
        {&s.Edit6, Edit6},   {&s.Edit7, Edit7}, {&s.Edit8, Edit8},   {&s.Edit9, Edit9},
        {&s.Edit10, Edit10}, {&s.Edit1, Edit1}, {&s.Edit12, Edit12}, {&s.Edit2, Edit2}};
    for (const auto& [text, edit] : texts) {
        if (edit->text() != *text) edit->setText(*text);
    }
    {
        const QSignalBlocker block(Kinder);
        Kinder->setValue(s.Kinder);
    }
    const std::pair<bool, QAbstractButton*> boxes[] = {{s.Verheiratet, Verheiratet},
                                                       {s.Ledig, Ledig},
                                                       {s.Neubau, Neubau},
                                                       {s.Altbau, Altbau},
                                                       {s.Oeko, Oeko},
                                                       {s.Oeko2, Oeko2},
                                                       {s.Alt, Alt},
                                                       {s.Neu, Neu}};
    for (const auto& [checked, box] : boxes) box->setChecked(checked);
    Oeko->setEnabled(s.OekoEnabled);
    TotalLabel->setText(s.TotalCaption);
    Ges->setText(s.Ges);
}
