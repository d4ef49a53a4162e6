#!/usr/bin/env bash
# Checks Kalkulo as a user gets it: installed with `cmake --install` into a temporary prefix, or
# packaged with CPack and unpacked into a temporary root, then started offscreen from the menu
# entry's launcher. The program is driven through its test script hook (shell/testinputhook.h).
#   installed_test.sh CHECK BUILD_DIR SOURCE_DIR
# Exits 77 (skipped) when a tool the check needs is missing.
set -euo pipefail
check=$1
build=$(realpath "$2")
source=$(realpath "$3")
id=de.kalkulo.Kalkulo
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
export QT_QPA_PLATFORM=offscreen

fail() {
  echo "FEHLER: $*" >&2
  failures=$((failures + 1))
}
skip() {
  echo "übersprungen: $*"
  exit 77
}
need() {
  command -v "$1" > /dev/null || skip "$1 fehlt (Paket $2)"
}
expect_file() {
  [[ -f $1 ]] || fail "$1 fehlt"
}
expect_no_file() {
  [[ ! -e $1 ]] || fail "$1 sollte nicht da sein"
}

# Installs the build into $1.
install_into() {
  cmake --install "$build" --prefix "$1" > "$scratch/install.log" || {
    cat "$scratch/install.log"
    exit 1
  }
}

# Starts the launcher $1 in the folder $2 with the script lines $3…; the program's reports go to
# $scratch/reports. Environment for the run comes from the caller (XDG_DATA_HOME, HOME, …).
run_launcher() {
  local launcher=$1 folder=$2
  shift 2
  printf '%s\n' "$@" > "$scratch/script"
  chmod a+r "$scratch/script"
  local status=0
  (cd "$folder" && KALKULO_TEST_SCRIPT="$scratch/script" timeout 180 "${run_as[@]}" "$launcher") \
    > "$scratch/reports" 2> "$scratch/errors" || status=$?
  if ((status != 0)); then
    fail "$launcher endete mit $status"
    cat "$scratch/errors" >&2
  fi
}
run_as=()

expect_report() {
  grep -qxF -- "$1" "$scratch/reports" || {
    fail "Meldung '$1' fehlt; das Programm meldete:"
    cat "$scratch/reports" >&2
  }
}

# The help page: the script line that opens it, the answer to the "no browser" message when the
# module is not installed, and the report that names the file it opened.
help_script() {
  local prefix=$1
  if [[ -f $(module_in "$prefix") ]]; then
    help_lines=(help "pace 1500")
    help_report="help browser $prefix/share/kalkulo/hilfe.htm"
  else
    help_lines=(help "answer OK" "pace 500")
    help_report="help nobrowser $prefix/share/kalkulo/hilfe.htm"
  fi
}
module_in() {
  find "$1/lib" -name kalkulo_webbrowser.so -print -quit 2> /dev/null || true
}

# Starts the installed tree under $1 from its launcher in an unrelated folder, opens the help
# page and quits; the settings must land in the data folder and nowhere else.
start_installed() {
  local prefix=$1
  local data="$scratch/data" home="$scratch/home" elsewhere="$scratch/elsewhere"
  mkdir -p "$home" "$elsewhere"
  help_script "$prefix"
  XDG_DATA_HOME="$data" HOME="$home" run_launcher "$prefix/libexec/kalkulo/kalkulo-desktop" "$elsewhere" \
    "${help_lines[@]}" quit
  expect_report "$help_report"
  expect_file "$data/kalkulo/Kalkulo.ini"
  expect_no_file "$elsewhere/Kalkulo.ini"
  expect_no_file "$home/Kalkulo.ini"
}

case $check in
desktop-files)
  need desktop-file-validate desktop-file-utils
  need appstreamcli appstream
  prefix="$scratch/prefix"
  install_into "$prefix"
  desktop="$prefix/share/applications/$id.desktop"
  metainfo="$prefix/share/metainfo/$id.metainfo.xml"
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
  grep -qxF "Exec=$prefix/libexec/kalkulo/kalkulo-desktop" "$desktop" || fail "Exec nennt nicht den Starter: $(grep ^Exec "$desktop")"
  [[ -x $prefix/libexec/kalkulo/kalkulo-desktop ]] || fail "der Starter fehlt oder ist nicht ausführbar"
  grep -qxF "Icon=$id" "$desktop" || fail "Icon= nennt nicht $id"
  expect_file "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
  # The pictures at fixed sizes are rendered from the SVG (scripts/icons.sh); they must not lag behind it.
  if command -v rsvg-convert > /dev/null; then
    for size in 16 24 32 48 64 128 256; do
      png="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
      expect_file "$png"
      rsvg-convert -w "$size" -h "$size" "$source/data/icons/hicolor/scalable/apps/$id.svg" -o "$scratch/icon.png"
      cmp -s "$png" "$scratch/icon.png" || fail "$png passt nicht zum SVG: scripts/icons.sh ausführen"
    done
  else
    echo "rsvg-convert fehlt: die Bilder des Symbols werden nicht mit dem SVG verglichen"
  fi
  ;;

installed-start)
  prefix="$scratch/prefix"
  install_into "$prefix"
  start_installed "$prefix"
  ;;

data-folder-fallback)
  prefix="$scratch/prefix"
  install_into "$prefix"
  launcher="$prefix/libexec/kalkulo/kalkulo-desktop"
  mkdir -p "$scratch/home" "$scratch/here"
  # XDG_DATA_HOME names a file: the default data folder under HOME.
  touch "$scratch/not-a-folder"
  XDG_DATA_HOME="$scratch/not-a-folder" HOME="$scratch/home" run_launcher "$launcher" "$scratch/here" quit
  expect_file "$scratch/home/.local/share/kalkulo/Kalkulo.ini"
  expect_no_file "$scratch/here/Kalkulo.ini"
  # A relative XDG_DATA_HOME is not taken, as the XDG base directories say.
  rm -rf "$scratch/home/.local"
  XDG_DATA_HOME="relative" HOME="$scratch/home" run_launcher "$launcher" "$scratch/here" quit
  expect_file "$scratch/home/.local/share/kalkulo/Kalkulo.ini"
  expect_no_file "$scratch/here/relative"
  # No data folder can be made at all: the folder it was started in, as from a terminal.
  XDG_DATA_HOME="$scratch/not-a-folder" HOME="$scratch/not-a-folder" run_launcher "$launcher" "$scratch/here" quit
  expect_file "$scratch/here/Kalkulo.ini"
  grep -q "Datenordner kann nicht angelegt werden" "$scratch/errors" || fail "der Starter sagt nicht, wo Kalkulo startet"
  ;;

unwritable-data-folder)
  # The data folder exists but cannot be written: Kalkulo starts there, says at once that the Tape
  # has no crash journal, and at its end that the settings were not saved. Root writes anywhere,
  # so root runs the program as nobody.
  prefix="$scratch/prefix"
  install_into "$prefix"
  if ((EUID == 0)); then
    command -v setpriv > /dev/null || skip "setpriv fehlt (Paket util-linux)"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  chmod 755 "$scratch"
  mkdir -p "$scratch/data/kalkulo" "$scratch/home"
  chmod 555 "$scratch/data/kalkulo"
  chmod 777 "$scratch/home"
  XDG_DATA_HOME="$scratch/data" HOME="$scratch/home" run_launcher "$prefix/libexec/kalkulo/kalkulo-desktop" \
    "$scratch/home" "answer OK" quit "answer OK"
  grep -q "^answered OK: Das Tape kann nicht gesichert werden" "$scratch/reports" ||
    fail "keine Meldung, dass das Tape nicht gesichert werden kann"
  grep -q "^answered OK: Die Einstellungen konnten nicht in $scratch/data/kalkulo/Kalkulo.ini gespeichert werden" \
    "$scratch/reports" || {
    fail "keine Meldung, dass die Einstellungen nicht gespeichert wurden; das Programm meldete:"
    cat "$scratch/reports" >&2
  }
  expect_no_file "$scratch/data/kalkulo/Kalkulo.ini"
  expect_no_file "$scratch/home/Kalkulo.ini"
  ;;

package)
  need cpack cmake
  need dpkg-deb dpkg
  need dpkg-shlibdeps dpkg-dev
  need file file
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" > "$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    exit 1
  }
  deb=$(find "$scratch/package" -maxdepth 1 -name 'kalkulo_*.deb' -print -quit)
  [[ -n $deb ]] || {
    cat "$scratch/cpack.log"
    exit 1
  }
  dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$scratch/files"
  for wanted in /usr/bin/kalkulo /usr/libexec/kalkulo/kalkulo-desktop /usr/share/kalkulo/hilfe.htm \
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" "/usr/share/icons/hicolor/16x16/apps/$id.png" \
    "/usr/share/icons/hicolor/48x48/apps/$id.png"; do
    grep -qxF "$wanted" "$scratch/files" || fail "$wanted fehlt im Paket"
  done
  # Only our own files: no tests, tools, benchmarks or build output.
  grep -vE '/$|^/usr/(bin/kalkulo|libexec/kalkulo/kalkulo-desktop|share/kalkulo/hilfe\.htm|lib/.*kalkulo/kalkulo_webbrowser\.so|share/applications/de\.kalkulo\.Kalkulo\.desktop|share/metainfo/de\.kalkulo\.Kalkulo\.metainfo\.xml|share/icons/hicolor/[^/]+/apps/de\.kalkulo\.Kalkulo\.(svg|png))$' \
    "$scratch/files" > "$scratch/strangers" && fail "fremde Dateien im Paket: $(cat "$scratch/strangers")"
  depends=$(dpkg-deb -f "$deb" Depends)
  recommends=$(dpkg-deb -f "$deb" Recommends)
  echo "Depends: $depends"
  echo "Recommends: $recommends"
  for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ $depends == *"$library "* || $depends == *"$library," || $depends == *"$library" ]] || fail "Depends ohne $library"
  done
  [[ $depends != *webengine* ]] || fail "die Web-Engine ist in Depends, sie soll nur empfohlen sein"
  [[ $recommends == *libreoffice-writer* ]] || fail "Recommends ohne libreoffice-writer"
  if grep -q kalkulo_webbrowser.so "$scratch/files"; then
    [[ $recommends == *libqt6webengine* ]] || fail "Recommends ohne die Web-Engine"
  fi
  # Unpacked into a throw-away root, it starts from its launcher and finds its own files there.
  dpkg -x "$deb" "$scratch/root"
  start_installed "$scratch/root/usr"
  ;;

*)
  echo "unbekannte Prüfung: $check" >&2
  exit 2
  ;;
esac

if ((failures)); then
  echo "$failures Fehler" >&2
  exit 1
fi
echo "in Ordnung: $check"
