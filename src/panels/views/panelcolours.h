#pragma once
// Colours and glyphs the side panels share: the field colour of the main window's scheme on
// edit fields and lists, the scheme's text colour on small labels and option buttons.
#include <QColor>
#include <QIcon>
#include <initializer_list>

class QWidget;

namespace panelcolours {
// Background of input and display fields; their text stays black.
void paintField(QWidget* field, const QColor& colour);
// Text of labels, radio and check boxes.
void paintText(std::initializer_list<QWidget*> widgets, const QColor& colour);
}  // namespace panelcolours

namespace panelicons {
QIcon takeOver();  // an arrow up into the first field
QIcon tape();      // a paper strip with lines
}  // namespace panelicons
