#!/usr/bin/env bash
# Builds the Debian package and checks it as a person meets it: its contents
# and lintian's verdict, graphway and the window run from an unpacked copy on
# a virtual display, and, when run as root on a machine where graphway is not
# installed yet, installing it with apt, starting both from the PATH and the
# menu entry, and removing it again. The window's screenshots are kept in
# BUILD_DIR/package/screenshots.
# Usage: scripts/check_package.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${PACKAGE_CHECK_PACKAGES[@]}"

deb=$(readlink -f "$(scripts/package.sh "${1:-build}")")
sample=usr/share/doc/graphway/examples/sample.json
shots=$(dirname "$deb")/screenshots
mkdir -p "$shots"
work=$(mktemp -d)
background_pids=()
installed_here=false
cleanup() {
    local pid
    for pid in "${background_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    if $installed_here; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y graphway >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
# quietly COMMAND...: runs COMMAND, showing its output only when it fails.
quietly() {
    "$@" >"$work/quietly.log" 2>&1 || { cat "$work/quietly.log" >&2; return 1; }
}

# check WHAT COMMAND...: runs COMMAND and counts it as passed or failed.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
        passed=$((passed + 1))
    else
        echo "FAILED: $what" >&2
        failed=$((failed + 1))
    fi
}

# --- The package file -----------------------------------------------------

expected_paths=(
    usr/bin/graphway usr/bin/graphway-gui usr/lib/graphway/Project1
    usr/lib/graphway/plugins/graphway_pictures.so usr/share/graphway/1.bmp
    usr/share/applications/graphway.desktop usr/share/icons/hicolor/scalable/apps/graphway.svg
    usr/share/man/man1/graphway.1.gz usr/share/man/man1/graphway-gui.1.gz
    usr/share/doc/graphway/README.md usr/share/doc/graphway/copyright
    usr/share/doc/graphway/changelog.gz "$sample"
)
holds_paths() {
    local listing path absent=0
    listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
    for path in "${expected_paths[@]}"; do
        if ! grep -qxF "$path" <<<"$listing"; then
            echo "  missing: $path" >&2
            absent=1
        fi
    done
    return $absent
}
check "the package holds every installed path" holds_paths

# The hand-written dependencies are those no binary links; the rest must
# have come from dpkg-shlibdeps.
depends_as_expected() {
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "  Depends: $depends"
    [[ $depends == *qt6-qpa-plugins* && $depends == *qt6-translations-l10n* &&
        $depends == *"libqt6widgets6 (>="* && $depends == *"libc6 (>="* ]]
}
check "dependencies: found by dpkg-shlibdeps, plus the Qt plugins and translations" \
    depends_as_expected

changelog_names_version() {
    local version
    version=$(dpkg-deb -f "$deb" Version)
    dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/graphway/changelog.gz |
        gunzip | head -n 1 | grep -qF "graphway ($version)"
}
check "the changelog's latest entry is the package's version" changelog_names_version

# Errors and warnings fail; a rule that does not fit this program needs an
# override with its reason in packaging/.
check "lintian finds no error or warning" lintian --fail-on error,warning --display-info "$deb"

# --- An unpacked copy -----------------------------------------------------

root=$work/root
dpkg-deb -x "$deb" "$root"
mkdir "$work/elsewhere"

check "the menu entry is valid" desktop-file-validate "$root/usr/share/applications/graphway.desktop"
check "the menu entry runs graphway-gui with a file" \
    grep -qxF 'Exec=graphway-gui %f' "$root/usr/share/applications/graphway.desktop"

# answers_sample GRAPHWAY: the example's answer and exit status.
answers_sample() {
    local output status=0
    output=$("$1" "$2") || status=$?
    [[ $status -eq 0 && $output == $'1-2-6\nДлина: 10' ]] ||
        { echo "  exit $status, printed: $output" >&2; return 1; }
}
check "the unpacked graphway answers the unpacked example" \
    answers_sample "$root/usr/bin/graphway" "$root/$sample"

# The quiz's pictures come from the module graphway loads from
# ../lib/graphway/plugins, drawn offscreen without a display.
writes_quiz() {
    local graphway=$root/usr/bin/graphway
    "$graphway" --generate 2 --nodes 5 --out "$work/set" >/dev/null &&
        env -u DISPLAY "$graphway" --moodle "$work/quiz.xml" "$work/set" >/dev/null &&
        grep -qF '<file name="variant-02.png" path="/" encoding="base64">iVBORw0KGgo' "$work/quiz.xml"
}
check "the unpacked graphway writes a Moodle quiz with its pictures" writes_quiz

# The launcher, with the window replaced by a script that reports where it
# runs and what it is given, reached through a link in another folder.
launcher_moves_to_data() {
    local fake=$work/fake output
    cp -a "$root" "$fake"
    printf '#!/bin/sh\npwd\nprintf "%%s\\n" "$@"\n' >"$fake/usr/lib/graphway/Project1"
    ln -s "$fake/usr/bin/graphway-gui" "$work/elsewhere/link"
    output=$(cd "$work/elsewhere" && ./link "my graph.json" /abs/g.json)
    [[ $output == "$fake/usr/share/graphway"$'\n'"$work/elsewhere/my graph.json"$'\n/abs/g.json' ]] ||
        { echo "  got: $output" >&2; return 1; }
}
check "the launcher starts the window in the data folder with absolute file names" \
    launcher_moves_to_data

# --- The window on a virtual display --------------------------------------

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >"$shots/xvfb.log" 2>&1 &
background_pids+=($!)
for _ in $(seq 50); do
    [[ -s $work/display ]] && break
    sleep 0.2
done
DISPLAY=:$(cat "$work/display")
export DISPLAY

# Every error box of the window is titled "Project1"; Qt's hidden client
# leader window bears that name too, so only visible windows count.
error_box() { xdotool search --onlyvisible --name '^Project1$' 2>/dev/null | head -n 1 || true; }
main_window() { xdotool search --onlyvisible --name 'Путь на графе' 2>/dev/null | head -n 1 || true; }

# open_window SHOT DIR COMMAND...: starts COMMAND in DIR, waits up to 30 s for
# the main window, then a moment more for a late error box, and saves a
# screenshot of the window, or of the whole screen when an error box came, as
# SHOT. Prints "window" or "error box" for what came.
open_window() {
    local shot=$1 dir=$2
    shift 2
    (cd "$dir" && exec env -u QT_QPA_PLATFORM "$@") >"$shot.log" 2>&1 &
    local pid=$! window="" box=""
    for _ in $(seq 150); do
        box=$(error_box)
        window=$(main_window)
        [[ -n $box || -n $window ]] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if [[ -n $window && -z $box ]]; then
        sleep 1.5
        box=$(error_box)
    fi
    if [[ -n $box ]]; then
        import -window root "$shot"
    elif [[ -n $window ]]; then
        import -window "$window" "$shot"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ -n $box ]]; then
        echo "error box"
    elif [[ -n $window ]]; then
        echo "window"
    else
        echo "nothing (see $shot.log)"
    fi
}

# level SHOT GEOMETRY minima|mean: the gray level, 0 black to 100 white, of
# an area of the screenshot.
level() {
    convert "$1" -crop "$2" +repage -colorspace Gray -format "%[fx:int(100*$3)]" info:
}

# shows_axes SHOT BACKGROUND: the picture, 400 x 400 stretched to 384 x 392 at
# the window's left, shows the black axes across its middle (x 192, y 196),
# sampled away from their ticks, on a background of the given gray level.
shows_axes() {
    local shot=$1 background=$2 area darkest seen
    for area in 17x1+184+150 17x1+184+250 1x17+150+188 1x17+240+188; do
        darkest=$(level "$shot" "$area" minima)
        [[ $darkest =~ ^[0-9]+$ ]] && ((darkest <= 30)) ||
            { echo "  no axis in $area (darkest level: $darkest)" >&2; return 1; }
    done
    seen=$(level "$shot" 20x20+50+50 mean)
    [[ $seen =~ ^[0-9]+$ ]] && ((seen >= background - 8 && seen <= background + 8)) ||
        { echo "  background level $seen, not $background" >&2; return 1; }
}

# opens_with_axes SHOT BACKGROUND DIR COMMAND...: the window opens with no
# error box and shows the axes.
opens_with_axes() {
    local shot=$1 background=$2 came
    shift 2
    came=$(open_window "$shot" "$@")
    [[ $came == window ]] || { echo "  came: $came" >&2; return 1; }
    shows_axes "$shot" "$background"
}
check "the unpacked launcher opens the window with its axes and no error box" \
    opens_with_axes "$shots/launcher.png" 100 "$work/elsewhere" \
    "$root/usr/bin/graphway-gui" "../root/$sample"

# Started by hand, the window still takes the 1.bmp of its own folder.
mkdir "$work/own" "$work/empty"
convert -size 400x400 xc:'#808080' "BMP3:$work/own/1.bmp"
check "Project1 started by hand takes its folder's own 1.bmp" \
    opens_with_axes "$shots/own.png" 50 "$work/own" "$root/usr/lib/graphway/Project1"

# Shows that an error box would be seen: without a 1.bmp the window reports it.
reports_missing_background() {
    [[ $(open_window "$shots/empty.png" "$work/empty" "$root/usr/lib/graphway/Project1") == "error box" ]]
}
check "Project1 in a folder without 1.bmp shows its error box" reports_missing_background

# --- Installed with apt ---------------------------------------------------

if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: installing with apt needs root"
elif dpkg-query -W -f='${Status}' graphway 2>/dev/null | grep -q 'install ok installed'; then
    echo "skipped: graphway is installed already and is left as it is"
else
    installed_here=true
    check "apt installs the package" quietly env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "$deb"
    on_path() { [[ $(command -v graphway) == /usr/bin/graphway ]] && answers_sample graphway "/$sample"; }
    check "graphway from the PATH answers the installed example" on_path
    menu_command=$(sed -n 's/^Exec=//p' /usr/share/applications/graphway.desktop | sed 's/ %[fFuU]//')
    check "the menu entry's command opens the window with its axes and no error box" \
        opens_with_axes "$shots/menu.png" 100 "$work/empty" sh -c "$menu_command"
    removed() {
        quietly env DEBIAN_FRONTEND=noninteractive apt-get remove -y graphway &&
            installed_here=false &&
            [[ ! -e /usr/bin/graphway && ! -e /usr/bin/graphway-gui && ! -e /usr/lib/graphway &&
                ! -e /usr/share/applications/graphway.desktop ]]
    }
    check "apt removes the package and its files" removed
fi

echo "package: $passed passed, $failed failed"
((failed == 0))
