#pragma once
// Small drawn glyphs for the Tape panel's buttons, so they look the same on every platform theme.
#include <QIcon>

namespace tapeicons {
QIcon save();
QIcon open();
QIcon copy();
QIcon print();
QIcon edit();
QIcon record();
}  // namespace tapeicons
