// Hold mode, the context menu's commands, the drawing tools, the range dialog, saving and the
// export, through the plotter's commands.
#include "core/calculator.h"
#include "plotter/plotter.h"
#include "support/scripteddialogs.h"
#include "tape/documentlauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FakePanel : PlotterFunctionSource {
    QString formula;
    QString constants[3];
    QStringList history;
    bool constantsEnabled = true;
    QString currentFormula() const override { return formula; }
    QString constantText(int i) const override { return constants[i]; }
    int historyIndex(const QString& f) const override { return static_cast<int>(history.indexOf(f)); }
    void setConstantsEnabled(bool on) override { constantsEnabled = on; }
    void putFormulaFirst(const QString& f) override {
        const qsizetype i = history.indexOf(f);
        if (history.size() > 1 && i > 0) history.swapItemsAt(0, i);
    }
    void clearFormula() override { formula.clear(); }
};

struct FakeLauncher : DocumentLauncher {
    QStringList opened;
    bool works = true;
    bool open(const QString& path) override {
        opened << path;
        return works;
    }
};

class Tools : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    FakePanel panel;
    FakeLauncher launcher;
    Plotter plot{calc, dialogs};
    QTemporaryDir dir;

    Tools() {
        plot.setFunctionSource(&panel);
        plot.setLauncher(&launcher);
        plot.StartDirectory = dir.path();
        calc.PanelFunction = 7;
        calc.Label1.clear();
        plot.ShowFunctionLabels();
    }
    QColor at(int x, int y) const { return plot.Image1.pixelColor(x, y); }
    int count(QRect box, const QColor& colour) const {
        int n = 0;
        for (int x = box.left(); x <= box.right(); ++x)
            for (int y = box.top(); y <= box.bottom(); ++y) n += at(x, y) == colour;
        return n;
    }
};

TEST_F(Tools, HoldPressedAndReleased) {
    panel.formula = "x+1";
    panel.history = {"x^2", "x+1"};
    plot.PlotSequence = {"x^2", "x+1"};
    plot.HaltenClick(true);
    EXPECT_EQ(plot.HaltenCaption, "Gehalten");
    EXPECT_TRUE(plot.TermLabelsVisible && plot.SnPVisible && plot.SearchItemVisible && plot.RangeMenuVisible);
    EXPECT_EQ(plot.Term1Label, "x+1");
    EXPECT_EQ(plot.PlotSequence, QStringList{"x+1"});
    EXPECT_EQ(panel.history, QStringList({"x+1", "x^2"})) << "the held curve becomes red";
    EXPECT_FALSE(panel.constantsEnabled || plot.GitterEnabled || plot.ScaleEnabled);

    plot.SnPClick(true);
    plot.HaltenClick(false);
    EXPECT_EQ(plot.HaltenCaption, "Erhalten");
    EXPECT_FALSE(plot.SnPChecked || plot.SnPVisible || plot.TermLabelsVisible || plot.SearchItemVisible);
    EXPECT_TRUE(panel.constantsEnabled && plot.GitterEnabled && plot.ScaleEnabled);
}

TEST_F(Tools, MenuCommandsAndPlacements) {
    plot.XPunktBeschriften();
    EXPECT_EQ(dialogs.last(), "Erst einen X-Wert eingeben im Eingabefeld!");
    EXPECT_FALSE(plot.PlaceXPoint);

    dialogs.inputs.push_back(std::nullopt);
    plot.Kommentar();
    EXPECT_FALSE(plot.PlaceComment || plot.DragCursor) << "a cancelled comment places nothing";
    dialogs.inputs.push_back(QString("Hallo"));
    plot.Kommentar();
    EXPECT_TRUE(plot.PlaceComment && plot.DragCursor);
    plot.MouseUp({50, 50});
    EXPECT_GT(count({50, 50, 40, 14}, QColor(0, 0, 255)), 10) << "blue comment";
    EXPECT_FALSE(plot.PlaceComment || plot.DragCursor);
    plot.UndoClick();
    EXPECT_EQ(count({50, 50, 40, 14}, QColor(0, 0, 255)), 0);

    plot.Intersection1X = -1;
    plot.XWertUebernehmen(1);
    EXPECT_TRUE(calc.SnapshotUsed || !calc.Operand1Text.isEmpty());
    EXPECT_EQ(calc.Operand1Text, "-1.00000000000000E+0000");
    EXPECT_EQ(calc.Label1, "-1");

    panel.formula = "x^2";
    plot.DrawGraph();
    plot.Term1Schreiben();
    plot.MouseUp({20, 300});
    EXPECT_GT(count({20, 300, 30, 12}, QColor(255, 0, 0)), 5) << "the term in its curve's colour";

    plot.ToolClick(Plotter::Pfeil);
    plot.Term2Schreiben();
    EXPECT_EQ(plot.CheckedTool, Plotter::NoTool) << "every command unchecks the tools";

    plot.HaltenClick(true);
    plot.GraphLoeschen();
    EXPECT_FALSE(plot.HoldMode);
    EXPECT_TRUE(panel.formula.isEmpty());
    EXPECT_EQ(count({0, 0, 400, 400}, QColor(255, 0, 0)), 0);
}

TEST_F(Tools, EraserArrowBoxesAndUndo) {
    panel.formula = "0";
    plot.DrawGraph();  // a red line along the x axis
    plot.ToolClick(Plotter::Radieren);
    EXPECT_TRUE(plot.UndoVisible);
    plot.MouseMove({100, 198}, true);
    EXPECT_EQ(at(100, 200), QColor(Qt::white));
    plot.UndoClick();
    EXPECT_EQ(plot.CheckedTool, Plotter::NoTool) << "undo only ends the eraser";
    EXPECT_EQ(at(100, 200), QColor(Qt::white));
    plot.UndoClick();
    EXPECT_EQ(at(100, 200), QColor(255, 0, 0));

    const QColor silver(192, 192, 192);
    plot.ToolClick(Plotter::Pfeil);
    plot.MouseDown({50, 50});
    plot.MouseMove({150, 100}, true);
    plot.MouseMove({150, 50}, true);  // the rubber band forgets the first end
    plot.MouseUp({150, 50});
    EXPECT_EQ(count({60, 60, 60, 30}, silver), 0);
    EXPECT_GT(count({145, 45, 6, 11}, silver), 10) << "filled head";
    EXPECT_EQ(plot.CheckedTool, Plotter::Pfeil) << "the tool stays for the next arrow";

    plot.ToolClick(Plotter::BoxGefuellt);
    plot.MouseDown({250, 250});
    plot.MouseUp({300, 300});
    EXPECT_EQ(at(275, 275), QColor(Qt::white));
    EXPECT_GT(count({250, 250, 51, 1}, silver), 10) << "dotted outline";
    plot.ToolClick(Plotter::BoxRahmen);
    plot.MouseDown({20, 250});
    plot.MouseUp({60, 300});
    EXPECT_GT(count({20, 250, 41, 1}, QColor(128, 128, 128)), 10);
}

TEST_F(Tools, RangeDialog) {
    plot.ScaleIndex = 4;  // "5"
    plot.ScaleRange = 5;
    EXPECT_EQ(plot.BereichAnfang(), "-15");
    EXPECT_EQ(plot.BereichEnde(), "15");
    struct Case {
        const char *start, *end, *message;
    } const refused[] = {
        {"1", "1", "Der Anfang muss kleiner als das Ende sein."},
        {"2", "-2", "Der Anfang muss kleiner als das Ende sein."},
        {"0", "1200,5", "Der Suchbereich darf höchstens 1.200 breit sein."},
        {"abc", "1", "'abc' ist kein gültiger Gleitkommawert"},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(plot.BereichOk(c.start, c.end)) << c.start;
        EXPECT_EQ(dialogs.last(), c.message);
        EXPECT_EQ(plot.SearchRange, Plotter::Dreifach) << "nothing changed";
    }
    EXPECT_TRUE(plot.BereichOk("-7,5", "11,25"));
    EXPECT_EQ(plot.SearchRange, Plotter::Frei);
    EXPECT_EQ(plot.BereichAnfang(), "-7,5") << "the free range as entered";
    plot.SelectSearchRange(Plotter::AbNull);
    EXPECT_EQ(plot.SearchStart, 0);
    EXPECT_EQ(plot.SearchEnd, 1);
}

TEST_F(Tools, SaveAsPngBmpOrSvg) {
    for (const char* name : {"a.png", "b.bmp", "c.svg"}) {
        dialogs.fileNames.push_back(QDir(dir.path()).filePath(name));
        plot.SaveClick();
        EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(name))) << name;
    }
    dialogs.fileNames.push_back(QDir(dir.path()).filePath("ohne"));
    dialogs.fileFilters.push_back(1);
    plot.SaveClick();
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath("ohne.bmp")));
    QFile svg(QDir(dir.path()).filePath("c.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("data:image/png;base64,iVBOR"));
    dialogs.fileNames.push_back("/nonexistent/folder/x.png");
    plot.SaveClick();
    EXPECT_EQ(dialogs.last(), "Das Bild konnte nicht gespeichert werden.");
}

TEST_F(Tools, ExportTextPieces) {
    panel.formula = "a*x^2";
    panel.constants[0] = "2";
    calc.Label1 = "3";
    calc.Label3 = "18";
    EXPECT_EQ(plot.ExportPieces().join(""), "x = 3, a = 2Term: a*x^2\r\rf(x) = 18");

    plot.HaltenClick(true);
    plot.GraphFormulas = {"x^2", "x+2"};
    plot.PlotSequence = {"x^2", "x+2"};
    plot.SnPChecked = true;
    plot.SnPCaption = "SP";
    plot.Result1 = "x1 =  -1,   y1 = 1";
    plot.Result2 = "x2 =  2,   y2 = 4";
    plot.Result2Visible = true;
    EXPECT_EQ(plot.ExportPieces().join(""),
              "x = 3, a = 2Terme: [x^2], [x+2], \r\rf(x) = 18\rSP1:   x1 =  -1,   y1 = 1\rSP2:   x2 =  2,   y2 = 4\r");

    plot.ShowTrigonometryLabels();
    plot.HaltenClick(false);
    calc.Label2 = "sin";
    calc.Label4 = "°";
    calc.Label1 = "30";
    calc.Label3 = "0,5";
    EXPECT_EQ(plot.ExportPieces().join(""), "sin 30° = 0,5");
}

TEST_F(Tools, ExportWritesTheFileAndOpensIt) {
    plot.ExportClick();
    const QString path = QDir(dir.path()).filePath("Temp.fodt");
    EXPECT_EQ(launcher.opened, QStringList{path});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    launcher.works = false;
    plot.ExportClick();
    EXPECT_EQ(dialogs.last(), "LibreOffice konnte nicht gestartet werden.");
}

TEST_F(Tools, ClearResetsTheAnalysis) {
    plot.MarkRequest1 = true;
    plot.PlaceTerm1 = true;
    plot.Take1Visible = plot.Mark2Visible = plot.Result1Visible = true;
    plot.Intersection1X = 5;
    plot.ResetPlotter();
    EXPECT_FALSE(plot.MarkRequest1 || plot.PlaceTerm1 || plot.Take1Visible || plot.Mark2Visible || plot.Result1Visible);
    EXPECT_EQ(plot.Intersection1X, 0);
}

TEST_F(Tools, NoMarkerWithoutAFormula) {
    calc.Operand1Text = calc.Label1 = "1";
    panel.formula.clear();
    plot.DrawGraph();
    EXPECT_EQ(count({240, 190, 1, 8}, QColor(0, 0, 0)), 0) << "no cross at x = 1";
    panel.formula = "x";
    plot.DrawGraph();
    EXPECT_EQ(count({240, 150, 1, 8}, QColor(0, 0, 0)), 8) << "the cross with a formula";
}

}  // namespace
