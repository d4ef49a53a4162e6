#pragma once
// A paper strip in memory that remembers each line's attributes, for engine tests.
#include "core/tape.h"

#include <QStringList>
#include <vector>

class MemoryTape : public Tape {
public:
    struct Entry {
        QString text;
        bool bold = false;
        uint32_t colour = Black;
        int size = 10;
        Alignment alignment = Alignment::Right;
        QString font = QStringLiteral("Arial");
    };
    std::vector<Entry> lines;
    bool visible = true;
    int undoClears = 0;

    bool Visible() const override { return visible; }
    int LineCount() const override { return static_cast<int>(lines.size()); }
    QString Line(int index) const override;
    QString Text() const override;
    void AppendLine(const QString& text) override;
    void AppendToLastLine(const QString& text) override;
    void DeleteLastLine() override;
    void Clear() override { lines.clear(); }
    void ClearUndo() override { ++undoClears; }
    void SetBold(bool bold) override { bold_ = bold; }
    void SetColour(uint32_t bgr) override { colour_ = bgr; }
    void SetSize(int points) override { size_ = points; }
    void SetAlignment(Alignment alignment) override { alignment_ = alignment; }
    void SetFontName(const QString& name) override { font_ = name; }

    QStringList texts() const;

private:
    bool bold_ = false;
    uint32_t colour_ = Black;
    int size_ = 10;
    Alignment alignment_ = Alignment::Right;
    QString font_ = QStringLiteral("Arial");
};
