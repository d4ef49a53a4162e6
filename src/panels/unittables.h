#pragma once
// The eight quantities of the unit panel as data: each page's units in list order, with the
// unit's size in the page's base unit (its first entry) and its mark.
#include <QString>
#include <span>

struct UnitDefinition {
    const char* sourceName;  // entry of the source list (UTF-8)
    const char* targetName;  // entry of the target list; differs in one place ("Giga el. volt")
    long double size;        // one unit in base units, held exactly as the unit is defined
    const char* mark;        // shown beside the display field, with its leading blanks

    // Units per base unit; the conversion itself uses the ratio of two sizes.
    long double factor() const { return 1.0L / size; }
};

struct UnitPageTable {
    const char* caption;  // tab caption
    int presetSource;     // list indices selected whenever the page is shown
    int presetTarget;
    std::span<const UnitDefinition> units;
};

inline constexpr int UnitPageCount = 8;

// Page 0 "Länge" … page 7 "Arbeit"; `page` must be 0..7.
const UnitPageTable& unitPageTable(int page);

inline QString unitText(const char* utf8) { return QString::fromUtf8(utf8); }
