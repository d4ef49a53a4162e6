#pragma once
// Where the program finds its own files: the help page and the browser module. In the build
// folder they lie beside the program; installed, the program is in bin/ and they are in the data
// folder and the module folder relative to it (share/kalkulo and lib/kalkulo under the prefix).
// Looking relative to the program keeps an installed tree movable: a package unpacked anywhere,
// or a `cmake --install` into any prefix, finds its own files and no other copy.
#include <QString>
#include <QStringList>

namespace programfiles {

enum class Kind {
    Data,    // architecture-independent files: hilfe.htm
    Module,  // loadable code: the browser module
};

// The folders searched for a file of `kind`, in order: beside the program first, then the
// installed folder. `programDirectory` is the folder of the running program.
QStringList searchFolders(const QString& programDirectory, Kind kind);

// The absolute path of the first file called `name` in searchFolders(); empty when there is none.
QString find(const QString& programDirectory, const QString& name, Kind kind);

// The same for the running program.
QString find(const QString& name, Kind kind);

}  // namespace programfiles
