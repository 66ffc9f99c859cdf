#!/usr/bin/env bash
# qt.sh PREFIX: builds Qt for Windows x86-64 into PREFIX (once; later runs
# find it there) from Debian's own qt6-base source, the version of the
# installed qt6-base-dev, whose tools (moc, rcc, uic) it uses as host tools.
# The source comes through a private apt configuration beside PREFIX: its own
# source list and lists folder; the machine's apt configuration is untouched.
# Shared libraries (Qt is LGPL), only the modules Quorvel uses: Core, Gui,
# Widgets, PrintSupport, and Test for the window's tests. The compiler runs
# at nice 19; this takes an hour or more on two cores.
set -euo pipefail

main() {  # read whole before it runs, so that the script may change meanwhile
  local prefix=$1 here work version
  [ -f "$prefix/licenses/THIRD-PARTY.txt" ] && return
  here=$(cd "$(dirname "$0")" && pwd)
  work=$prefix.work
  version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)

  local apt=$work/apt src=$work/qtbase-$version
  mkdir -p "$apt/lists/partial" "$apt/parts"
  cat >"$apt/sources.list" <<LIST
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
LIST
  local opts=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
              -o Dir::State::Lists="$apt/lists" -o APT::Sandbox::User=root)
  if [ ! -f "$src/configure" ]; then
    apt-get "${opts[@]}" update -qq
    (cd "$work" && apt-get "${opts[@]}" source --download-only -qq "qt6-base=$version" &&
       dpkg-source -x --no-check "qt6-base_${version#*:}.dsc" "$src" >/dev/null)
  fi

  # Without Direct2D, Gui leaves out the DirectWrite font engine and font
  # database, which Qt 6.4.2's Windows print engine and platform plugin still
  # use where only DirectWrite is asked for.
  sed -i 's/^#if QT_CONFIG(directwrite\(3\?\))$/#if QT_CONFIG(directwrite\1) \&\& QT_CONFIG(direct2d)/' \
    "$src/src/printsupport/platform/windows/qprintengine_win.cpp" \
    "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"

  # Debian's source lacks the Wintab header (its licence forbids changes), so
  # no tablet events; Quorvel reads none. No OpenGL, Vulkan or Direct2D: the
  # window paints with the raster engine. Debian's CMake packages live in its
  # multiarch folder.
  mkdir -p "$work/build"
  cd "$work/build"
  [ -f build.ninja ] || "$src/configure" -prefix "$prefix" -release -shared \
    -qt-host-path /usr -xplatform win32-g++ -nomake examples -nomake tests \
    -no-opengl -no-feature-vulkan -no-feature-direct2d -no-feature-tabletevent \
    -no-dbus -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -- -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  nice -n 19 cmake --build . --parallel "$(nproc)"
  cmake --install .

  # Qt's licence and the notices of the third-party code in its source, for
  # the distribution; made last, so that they mark a finished build.
  /usr/lib/qt6/libexec/qtattributionsscanner --output-format json -s -o attributions.json "$src/src"
  python3 - attributions.json >THIRD-PARTY.txt <<'NOTICES'
import json, sys
for a in sorted(json.load(open(sys.argv[1])), key=lambda a: a["Name"]):
    print(f'{a["Name"]} {a.get("Version", "")}\n{a.get("Copyright", "")}\nLicence: {a["License"]}\n')
    for name in a.get("LicenseFiles", [a.get("LicenseFile")]):
        if name:
            print(open(name, errors="replace").read())
    print("-" * 72)
NOTICES
  mkdir -p "$prefix/licenses"
  cp "$src/LICENSES/LGPL-3.0-only.txt" "$src/LICENSES/GPL-3.0-only.txt" THIRD-PARTY.txt "$prefix/licenses/"
}

main "$@"
exit
