// Settings files from outside: reading never crashes or hangs; an unchanged file is written back
// byte for byte; and every section, key and value read survives being written into a new file
// and read again, whatever its characters (texts beyond the code page switch the file to UTF-8).
#include "core/inifile.h"

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using Contents = std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>>;

// The sections that hold keys, with their keys and values as the typed reads see them.
Contents contentsOf(const IniFile& ini) {
    Contents contents;
    for (const QString& section : ini.sectionNames()) {
        std::vector<std::pair<QString, QString>> keys;
        for (const QString& key : ini.keys(section)) {
            if (!ini.keyExists(section, key)) std::abort();
            keys.emplace_back(key, ini.readString(section, key, QStringLiteral("\x01missing")));
            // Typed reads and comma texts of any value: no crash, and comma form reads back.
            (void)ini.readInteger(section, key, 0);
            (void)ini.readColour(section, key, 0);
            const QStringList entries = splitCommaText(keys.back().second);
            if (splitCommaText(joinCommaText(entries)) != entries) std::abort();
        }
        (void)ini.readList(section);
        if (!keys.empty()) contents.emplace_back(section, std::move(keys));
    }
    return contents;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile read = IniFile::parse(bytes);
    if (read.serialize() != bytes) std::abort();
    const Contents contents = contentsOf(read);

    IniFile copy;
    for (const auto& [section, keys] : contents)
        for (const auto& [key, value] : keys) copy.writeString(section, key, value);
    if (contentsOf(IniFile::parse(copy.serialize())) != contents) std::abort();
    return 0;
}
