// The drawing surface's mouse and its context menu.
#include "plotter/views/tbereich.h"
#include "plotter/views/tframe2.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

PlotSurface::PlotSurface(Plotter& plotter, TFrame2& frame) : QWidget(&frame), plotter_(plotter), frame_(frame) {
    setObjectName(QStringLiteral("Image1"));
    setGeometry(10, 8, Plotter::W, Plotter::H);
    setMouseTracking(true);
}

void PlotSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, plotter_.Image1);
}

void PlotSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    frame_.run([this, at] { plotter_.MouseDown(at); });
}

void PlotSurface::mouseMoveEvent(QMouseEvent* event) {
    const bool held = (event->buttons() & Qt::LeftButton) != 0;
    plotter_.MouseMove(event->position().toPoint(), held);
    if (held) update();
}

void PlotSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    frame_.run([this, at] { plotter_.MouseUp(at); });
}

void PlotSurface::contextMenuEvent(QContextMenuEvent* event) {
    // The function panel gives the surface its menu; the trigonometric pictures have none.
    if (!plotter_.FunctionView) return;
    plotter_.MousePos = event->pos();
    frame_.PopupMenu1->popup(event->globalPos());
}

void TFrame2::buildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char* name, const QString& text, bool checkable = false) {
        QAction* a = PopupMenu1->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(checkable);
        return a;
    };
    XPunktBeschriften1 = item("XPunktBeschriften1", QStringLiteral("X-Punkt beschriften"));
    XWertLoeschen1 = item("XWertLoeschen1", QStringLiteral("X-Wert löschen"));
    Term1Schreiben1 = item("Term1Schreiben1", QStringLiteral("Term 1 schreiben"));
    Term2Schreiben1 = item("Term2Schreiben1", QStringLiteral("Term 2 schreiben"));
    SchnittpunktBerechnen1 = item("SchnittpunktBerechnen1", QStringLiteral("Schnittpunkt berechnen"), true);
    Bereich1 = PopupMenu1->addMenu(QStringLiteral("Bereich für Schnittpunktsuche"));
    Bereich1->setObjectName(QStringLiteral("Bereich1"));
    auto* group = new QActionGroup(Bereich1);
    const char* ranges[] = {"Einfache Auflösung", "Doppelte Auflösung", "Dreifache Auflösung", "Bis Null", "Ab Null",
                            "Frei definierbar"};
    for (int i = 0; i < 6; ++i) {
        RangeItems[i] = Bereich1->addAction(QString::fromUtf8(ranges[i]));
        RangeItems[i]->setObjectName(QStringLiteral("Range%1").arg(i + 1));
        RangeItems[i]->setCheckable(true);
        group->addAction(RangeItems[i]);
    }
    XWert1 = item("XWert1", QStringLiteral("X-Wert für Schnittpunkt 1 übernehmen"));
    XWert2 = item("XWert2", QStringLiteral("X-Wert für Schnittpunkt 2 übernehmen"));
    Markieren1 = item("Markieren1", QStringLiteral("Schnittpunkt 1 Markieren"));
    Markieren2 = item("Markieren2", QStringLiteral("Schnittpunkt 2 markieren"));
    Kommentar1 = item("Kommentar1", QStringLiteral("Kommentar "));
    Radieren1 = item("Radieren1", QStringLiteral("Radieren"), true);
    Pfeil1 = item("Pfeil1", QStringLiteral("Pfeil"), true);
    BoxGefuellt1 = item("BoxGefuellt1", QStringLiteral("Box (gefüllt)"), true);
    BoxRahmen1 = item("BoxRahmen1", QStringLiteral("Box (Rahmen)"), true);
    GitterNeu1 = item("GitterNeu1", QStringLiteral("Gitter neu zeichnen"));
    GraphLoeschen1 = item("GraphLoeschen1", QStringLiteral("Graph löschen"));
}

void TFrame2::connectMenu() {
    Plotter& p = plotter_;
    auto on = [this](QAction* a, auto command) {
        connect(a, &QAction::triggered, this, [this, command] { run(command); });
    };
    on(XPunktBeschriften1, [&p] { p.XPunktBeschriften(); });
    on(XWertLoeschen1, [&p] { p.XWertLoeschen(); });
    on(Term1Schreiben1, [&p] { p.Term1Schreiben(); });
    on(Term2Schreiben1, [&p] { p.Term2Schreiben(); });
    on(SchnittpunktBerechnen1, [&p] { p.SchnittpunktBerechnen(); });
    for (int i = 0; i < 5; ++i)
        on(RangeItems[i], [&p, i] { p.SelectSearchRange(static_cast<Plotter::RangeChoice>(i)); });
    connect(RangeItems[5], &QAction::triggered, this, [this] {
        Bereich->load();
        Bereich->exec();
        render();
        emit focusEqualsRequested();
    });
    on(XWert1, [&p] { p.XWertUebernehmen(1); });
    on(XWert2, [&p] { p.XWertUebernehmen(2); });
    on(Markieren1, [&p] { p.SchnittpunktMarkieren(1); });
    on(Markieren2, [&p] { p.SchnittpunktMarkieren(2); });
    on(Kommentar1, [&p] { p.Kommentar(); });
    on(Radieren1, [&p] { p.ToolClick(Plotter::Radieren); });
    on(Pfeil1, [&p] { p.ToolClick(Plotter::Pfeil); });
    on(BoxGefuellt1, [&p] { p.ToolClick(Plotter::BoxGefuellt); });
    on(BoxRahmen1, [&p] { p.ToolClick(Plotter::BoxRahmen); });
    on(GitterNeu1, [&p] { p.GitterNeuZeichnen(); });
    on(GraphLoeschen1, [&p] { p.GraphLoeschen(); });
}

void TFrame2::renderMenu() {
    Term1Schreiben1->setVisible(plotter_.Term1ItemVisible);
    Term2Schreiben1->setVisible(plotter_.Term2ItemVisible);
    SchnittpunktBerechnen1->setVisible(plotter_.SearchItemVisible);
    SchnittpunktBerechnen1->setChecked(plotter_.SnPChecked);
    Bereich1->menuAction()->setVisible(plotter_.RangeMenuVisible);
    for (int i = 0; i < 6; ++i) RangeItems[i]->setChecked(plotter_.SearchRange == i);
    XWert1->setVisible(plotter_.Take1Visible);
    XWert2->setVisible(plotter_.Take2Visible);
    Markieren1->setVisible(plotter_.Mark1Visible);
    Markieren2->setVisible(plotter_.Mark2Visible);
    Radieren1->setChecked(plotter_.CheckedTool == Plotter::Radieren);
    Pfeil1->setChecked(plotter_.CheckedTool == Plotter::Pfeil);
    BoxGefuellt1->setChecked(plotter_.CheckedTool == Plotter::BoxGefuellt);
    BoxRahmen1->setChecked(plotter_.CheckedTool == Plotter::BoxRahmen);
}
