#pragma once
// What the calculator needs of the paper strip. The Tape panel implements it over a rich-text
// document; tests use an in-memory strip. Lines are paragraphs, counted from 0.
#include <QString>
#include <cstdint>

class Tape {
public:
    enum class Alignment { Left, Right, Center };

    static constexpr uint32_t Black = 0x000000;
    static constexpr uint32_t Red = 0x0000FF;    // 0x00BBGGRR: pure red
    static constexpr uint32_t Green = 0x008000;  // dark green

    virtual ~Tape() = default;

    // Lines are written only while the strip is shown.
    virtual bool Visible() const = 0;
    virtual int LineCount() const = 0;
    virtual QString Line(int index) const = 0;
    virtual QString Text() const = 0;
    virtual void AppendLine(const QString& text) = 0;
    virtual void AppendToLastLine(const QString& text) = 0;
    virtual void DeleteLastLine() = 0;
    virtual void Clear() = 0;
    // A strip whose only line is empty counts as empty: clearing it lets the first block start on
    // the first line. A single line that holds text, such as a typed comment, is kept.
    void ClearIfBlank() {
        if (LineCount() == 0 || (LineCount() == 1 && Line(0).isEmpty())) Clear();
    }
    // Empties the strip's own editing undo, so it cannot reach across calculations.
    virtual void ClearUndo() = 0;

    // Typing attributes for the lines appended next.
    virtual void SetBold(bool bold) = 0;
    virtual void SetColour(uint32_t bgr) = 0;
    virtual void SetSize(int points) = 0;
    virtual void SetAlignment(Alignment alignment) = 0;
    virtual void SetFontName(const QString& name) = 0;
};
