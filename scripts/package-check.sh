#!/usr/bin/env bash
# Checks the package that scripts/package.sh built with lintian, installs it with apt-get, checks
# what it put in place (the user guide with its pictures, a manual page that renders, the .zel
# file type) and that the installed zeltool runs, then removes the package again (also when a
# check fails).
# Removes an installed zelconfig package too. Usage: scripts/package-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
debs=("$build"/zelconfig_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "package-check: expected one $build/zelconfig_*.deb; run scripts/package.sh first" >&2
  exit 1
fi
deb=$(realpath "${debs[0]}") # apt-get takes a local package by its path
export DEBIAN_FRONTEND=noninteractive
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"

dpkg-deb --info "$deb"
# Debian's own package checks: no error and no warning.
if ! command -v lintian >/dev/null; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends -o Dpkg::Use-Pty=0 lintian
fi
lintian --fail-on error,warning "$deb"
$SUDO apt-get install -y -qq -o Dpkg::Use-Pty=0 "$deb"
trap '$SUDO apt-get remove -y -qq -o Dpkg::Use-Pty=0 zelconfig' EXIT

fail() { echo "package-check: $*" >&2; exit 1; }
files=$(dpkg -L zelconfig)
echo "$files"
for f in /usr/bin/zelconfig /usr/bin/zeltool /usr/bin/zelsim \
  /usr/share/applications/zelconfig.desktop /usr/share/icons/hicolor/scalable/apps/zelconfig.svg \
  /usr/share/zelconfig/presets/Flat.eq /usr/share/zelconfig/presets/Loudness.eq \
  /usr/share/zelconfig/presets/Speech.eq /usr/share/mime/packages/zelconfig.xml \
  /usr/share/doc/zelconfig/copyright /usr/share/doc/zelconfig/changelog.Debian.gz \
  /usr/share/man/man1/zelconfig.1.gz /usr/share/man/man1/zeltool.1.gz \
  /usr/share/man/man1/zelsim.1.gz /usr/share/doc/zelconfig/user-guide.html \
  /usr/lib/systemd/user/zelconfig-site-backup@.service \
  /usr/lib/systemd/user/zelconfig-site-backup@.timer; do
  grep -qx "$f" <<<"$files" || fail "$f is not in the package"
done
if grep -E '(test|bench)' <<<"$files"; then fail "test or benchmark files are in the package"; fi
for program in zelconfig zeltool zelsim; do
  if ldd "/usr/bin/$program" | grep 'not found'; then fail "$program misses a library"; fi
done

# The installed zeltool prints the blank ZEL-16 configuration as the built one does.
template=$(/usr/bin/zeltool template 16) || fail "/usr/bin/zeltool template 16 failed"
[ "$template" = "$("$build"/tools/zeltool/zeltool template 16)" ] ||
  fail "/usr/bin/zeltool template 16 printed something else than the build's zeltool"
grep -qxF '[NO16"Zone Name 16"]' <<<"$template" || fail "the template names no zone 16"
echo "package-check: /usr/bin/zeltool template 16 printed $(wc -l <<<"$template") lines"

# The user guide shows every picture it names, and the manual page renders; both read from the
# package itself, since some systems (container images) install no documentation.
packaged() { dpkg-deb --fsys-tarfile "$deb" | tar -xO ".$1"; }
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
pictures=$(packaged /usr/share/doc/zelconfig/user-guide.html |
  grep -o '<img [^>]*src="[^"]*"' | sed 's/.*src="//; s/"$//')
[ -n "$pictures" ] || fail "the user guide shows no picture"
for picture in $pictures; do
  grep -qx "/usr/share/doc/zelconfig/$picture" <<<"$contents" ||
    fail "the user guide's $picture is not in the package"
done
echo "package-check: the user guide shows $(wc -l <<<"$pictures") pictures"
# Its contents list links to each task, and each link finds its heading.
guide=$(packaged /usr/share/doc/zelconfig/user-guide.html)
for task in "Back up a unit" "Edit and send only the changes" "Tune live" \
  "A site: find, back up, verify" "Restore" "Hand over"; do
  anchor=$(grep -o "<a href=\"#[^\"]*\">$task</a>" <<<"$guide" | sed 's/.*href="#//; s/".*//') ||
    fail "the user guide's contents do not list \"$task\""
  grep -qF "id=\"$anchor\"" <<<"$guide" || fail "the user guide has no heading for \"$task\""
done

# The window's manual page renders without a warning and covers its menus, the journal and the
# files it keeps.
command -v man >/dev/null ||
  $SUDO apt-get install -y -qq --no-install-recommends -o Dpkg::Use-Pty=0 man-db
manual=$(mktemp)
trap '$SUDO apt-get remove -y -qq -o Dpkg::Use-Pty=0 zelconfig; rm -f "$manual"' EXIT
packaged /usr/share/man/man1/zelconfig.1.gz | gunzip >"$manual"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page zelconfig(1) renders with warnings: $warnings"
rendered=$(MANWIDTH=80 man -l "$manual" 2>/dev/null)
for heading in MENUS "THE UNIT JOURNAL" FILES "Compare with Unit" "History..." "Copy Zone Settings" \
  "Find Units..." "Open Site..." "Live Read Period" "FIND UNITS" "THE SITE WINDOW" "LIVE MODE" \
  "Back Up Site" "Verify Site" "Ctrl+Shift+Tab"; do
  grep -qF "$heading" <<<"$rendered" || fail "the manual page zelconfig(1) says nothing of $heading"
done
echo "package-check: zelconfig(1) renders, $(wc -l <<<"$rendered") lines"

# The site backup's systemd user units are valid as systemd reads them, as an instance for the
# site harbour-hotel: the timer, and the service it starts (zeltool on the system's path, its
# manual page). They are checked, never enabled.
command -v systemd-analyze >/dev/null ||
  $SUDO apt-get install -y -qq --no-install-recommends -o Dpkg::Use-Pty=0 systemd
units=$(mktemp -d)
trap '$SUDO apt-get remove -y -qq -o Dpkg::Use-Pty=0 zelconfig; rm -rf "$manual" "$units"' EXIT
for kind in service timer; do
  cp "/usr/lib/systemd/user/zelconfig-site-backup@.$kind" "$units/zelconfig-site-backup@harbour-hotel.$kind"
done
mkdir -m 700 "$units/runtime" # the user manager's runtime folder, which a check without a login lacks
# man zeltool as the package holds it, also where the system installs no documentation.
mkdir -p "$units/man/man1"
packaged /usr/share/man/man1/zeltool.1.gz | gunzip >"$units/man/man1/zeltool.1"
MANPATH=$units/man XDG_RUNTIME_DIR=$units/runtime systemd-analyze verify --user \
  "$units/zelconfig-site-backup@harbour-hotel.timer" "$units/zelconfig-site-backup@harbour-hotel.service" ||
  fail "systemd-analyze verify finds fault with the site backup's units"
grep -q '^Recommends: .*git' <(dpkg-deb --field "$deb") || fail "the package does not recommend git"
for line in 'systemctl --user enable --now zelconfig-site-backup@harbour-hotel.timer' \
  'zeltool site backup "$HOME/.local/share/ZEL Configuration/sites/harbour-hotel.zelsite" --quiet'; do
  LC_ALL=C MANWIDTH=200 man -l "$units/man/man1/zeltool.1" 2>/dev/null | grep -qF -- "$line" ||
    fail "man zeltool does not give the line: $line"
done
echo "package-check: the site backup's timer and service verify"
# man zeltool names every command the installed zeltool lists.
commands=$(/usr/bin/zeltool --help | sed -n 's/^  zeltool \([a-z]*\).*/\1/p')
[ -n "$commands" ] || fail "/usr/bin/zeltool --help lists no command"
for command in $commands; do
  LC_ALL=C MANWIDTH=200 man -l "$units/man/man1/zeltool.1" 2>/dev/null | grep -q "zeltool $command" ||
    fail "man zeltool does not name zeltool $command"
done
echo "package-check: man zeltool names the $(wc -w <<<"$commands") commands of zeltool --help"

# A .zel file is of the package's type, not the INI type its first "[" suggests, where the
# desktop's tools read the shared MIME database: asked of such a reader (mimetype, or GIO's gio),
# not of xdg-mime, which outside a desktop session asks file(1), which knows no type of a package.
reader=""
if command -v mimetype >/dev/null; then
  reader="mimetype --brief"
elif command -v gio >/dev/null; then
  reader="gio info"
fi
if [ -n "$reader" ] && command -v update-mime-database >/dev/null; then
  sample=$(mktemp -d)
  trap '$SUDO apt-get remove -y -qq -o Dpkg::Use-Pty=0 zelconfig; rm -rf "$manual" "$units" "$sample"' EXIT
  /usr/bin/zeltool template 8 >"$sample/unit.zel"
  type=$($reader "$sample/unit.zel" | sed -n 's/.*standard::content-type: //p; /^[a-z-]*\/[^ ]*$/p' | head -n 1)
  [ "$type" = application/x-zel-configuration ] || fail "${reader%% *} takes a .zel file for $type"
  echo "package-check: ${reader%% *} takes unit.zel for $type"
else
  echo "package-check: no reader of the shared MIME database (mimetype, gio): the file type was not tried"
fi
