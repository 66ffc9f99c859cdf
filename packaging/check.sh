#!/usr/bin/env bash
# Checks a built quorvel .deb as a distribution would: lintian, exactly the
# expected files, the desktop entry, the AppStream metainfo (alone, in the
# installed tree, and composed into a catalog, which proves the icon is
# found), the manual pages, and the version of quorvel-batch.
#
#   packaging/check.sh build-package/quorvel_VERSION_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
source=$(realpath "$(dirname "$0")/..")
# The application id as CMakeLists.txt sets it; the icon's sizes are its files.
id=$(sed -n 's/^set(QUORVEL_APP_ID \([^ )]*\))$/\1/p' "$source/CMakeLists.txt")
[ -n "$id" ] || { echo "no QUORVEL_APP_ID in $source/CMakeLists.txt"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { echo "-- $*"; }

step lintian
lintian --fail-on error,warning "$deb"

step "the files: the programs and their print module, the desktop files, the manual pages and the documentation, nothing else"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort >"$work/files"
{
  printf '%s\n' usr/bin/quorvel usr/bin/quorvel-batch "usr/share/applications/$id.desktop" \
    "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/quorvel/libquorvel_print.so" \
    "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    usr/share/man/man1/quorvel.1.gz usr/share/man/man1/quorvel-batch.1.gz usr/share/doc/quorvel/copyright \
    usr/share/doc/quorvel/changelog.gz usr/share/doc/quorvel/examples/sample.csv
  for png in "$source"/data/icons/*/"$id.png"; do
    echo "usr/share/icons/hicolor/$(basename "$(dirname "$png")")/apps/$id.png"
  done
} | sort | diff - "$work/files"

root=$work/root
dpkg-deb -x "$deb" "$root"
step desktop-file-validate
remarks=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) || true
[ -z "$remarks" ] || { echo "$remarks"; exit 1; }
step appstreamcli validate, validate-tree
appstreamcli validate --pedantic --strict --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate-tree --pedantic --strict --no-net "$root"
step "appstreamcli compose: the catalog has the icon"
appstreamcli compose --no-net --print-report=full --origin=quorvel --result-root="$work/catalog" "$root"
zcat "$work/catalog/usr/share/swcatalog/xml/quorvel.xml.gz" | grep -q '<icon type="cached"'

step "man --warnings"
for page in quorvel quorvel-batch; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page.1: $warnings"; exit 1; }
done

step "quorvel-batch --version gives the metainfo's newest release"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/usr/share/metainfo/$id.metainfo.xml" | head -n 1)
[ "$("$root/usr/bin/quorvel-batch" --version)" = "quorvel-batch $release" ]
echo "$(basename "$deb"): all checks passed"
