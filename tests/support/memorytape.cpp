#include "memorytape.h"

QString MemoryTape::Line(int index) const {
    if (index < 0 || index >= LineCount()) return QString();
    return lines[static_cast<size_t>(index)].text;
}

QString MemoryTape::Text() const { return texts().join(u'\n'); }

void MemoryTape::AppendLine(const QString& text) { lines.push_back({text, bold_, colour_, size_, alignment_, font_}); }

void MemoryTape::AppendToLastLine(const QString& text) {
    if (lines.empty()) AppendLine(text);
    else lines.back().text += text;
}

void MemoryTape::DeleteLastLine() {
    if (!lines.empty()) lines.pop_back();
}

QStringList MemoryTape::texts() const {
    QStringList out;
    for (const auto& e : lines) out << e.text;
    return out;
}
