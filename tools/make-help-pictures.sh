#!/usr/bin/env bash
# Makes the pictures of the help pages (install/bmp/help/) and the README screenshots
# (docs/images/) from the real program: a demo listing server, one download into a fresh data
# folder, then the window on a virtual screen, driven with xdotool and photographed with
# ImageMagick. The tray-state pictures are the largest frames of the tray icons.
#
#   tools/make-help-pictures.sh            uses the program built in build/
#   BUILD=some/folder tools/make-help-pictures.sh
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build}"
guide="$build/src/obzorka"
server="$build/server/obzorka-server"
pictures="$root/install/bmp/help"
docs="$root/docs/images"
width=640 # of the help screenshots; the README ones keep the window's size

die() {
    echo "make-help-pictures: $*" >&2
    exit 1
}

if [ ! -x "$guide" ] || [ ! -x "$server" ]; then
    die "no built program in $build (build it first, or set BUILD=...)"
fi

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
command -v sqlite3 >/dev/null || missing+=(sqlite3)
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

tmp="$(mktemp -d)"
pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

# Waits up to $1 seconds for a visible window whose title matches $2 and prints its id.
window() {
    timeout "$1" xdotool search --sync --onlyvisible --name "$2" | head -n 1 | grep . ||
        die "no window \"$2\" within $1 s; the program said: $(cat "$tmp/guide.log")"
}

# Clicks at a point given relative to the window's top left corner.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

display=93
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
for _ in {1..50}; do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.2
done
xdotool getdisplaygeometry >/dev/null 2>&1 || die "Xvfb did not start on $DISPLAY"

"$server" --demo --port 0 --data "$tmp/server" >"$tmp/server.log" 2>&1 &
pids+=($!)
port=""
for _ in {1..50}; do
    port="$(sed -n 's|.*http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$tmp/server.log")"
    [ -n "$port" ] && break
    sleep 0.2
done
[ -n "$port" ] || die "the listing server did not start: $(cat "$tmp/server.log")"

options=(--data-dir "$tmp/guide" --server "127.0.0.1:$port" --image-server "127.0.0.1:$port")
"$guide" "${options[@]}" --sync-once --user demo --password demo

# A reminder for the next programme that starts in more than two minutes, with a lead that
# covers it, so that the alert window comes right after the start.
read -r id lead < <(sqlite3 -separator ' ' "$tmp/guide/obz.db" "
    SELECT id, MAX(30, (strftime('%s', start) - strftime('%s', 'now', 'localtime')) / 60 + 5)
    FROM (SELECT id, datetime(datum, '+' || hod1 || ' hours', '+' || min1 || ' minutes') AS start
          FROM program)
    WHERE start > datetime('now', 'localtime', '+2 minutes')
    ORDER BY start LIMIT 1") || true
if [ -z "${id:-}" ] || [ "$lead" -gt 600 ]; then
    die "no programme starts within the next 10 hours"
fi
sqlite3 "$tmp/guide/obz.db" "
    INSERT INTO upozornit (id) VALUES ($id);
    DELETE FROM nastaveni WHERE polozka = 'upozornit_minut_predem';
    INSERT INTO nastaveni (polozka, hodnota) VALUES ('upozornit_minut_predem', '$lead');"

"$guide" "${options[@]}" >"$tmp/guide.log" 2>&1 &
pids+=($!)
main="$(window 30 '^Obzorka')"
alert="$(window 40 '^Upozornění na pořad$')"

mkdir -p "$pictures" "$docs"
shot() { # window, file
    import -window "$1" "$tmp/shot.png"
    convert "$tmp/shot.png" -strip -define png:exclude-chunks=date,time "$2"
}

# "Beru na vědomí" becomes usable 5 s after the alert shows; it sits left of the last button.
sleep 6
shot "$alert" "$docs/alert.png"
read -r alert_width alert_height < <(identify -format '%w %h\n' "$docs/alert.png")
click "$alert" $((alert_width - 180)) $((alert_height - 23))
for _ in {1..20}; do
    xdotool search --onlyvisible --name '^Upozornění na pořad$' >/dev/null || break
    sleep 0.5
done
if xdotool search --onlyvisible --name '^Upozornění na pořad$' >/dev/null; then
    die "the alert window did not close"
fi

# The tab buttons along the top left of the window, as a first screenshot shows them.
click "$main" 75 36 # Klasické zobrazení
sleep 5
shot "$main" "$docs/classic.png"
convert "$docs/classic.png" -resize "$width" -colors 256 "$pictures/map.gif"

click "$main" 182 36 # Vyhledat
sleep 2
click "$main" 150 80 # the text box
xdotool type --delay 80 'zprávy'
xdotool key Return
sleep 5
shot "$main" "$docs/search.png"
convert "$docs/search.png" -resize "$width" -quality 85 "$pictures/vyhledat.jpg"

xdotool key --window "$main" alt+t # Teď běží
sleep 3
shot "$main" "$docs/now.png"

click "$main" 263 36 # Nastavení
sleep 2
click "$main" 80 115 # its page "Klasické zobrazení" with the station slots
sleep 2
shot "$main" "$tmp/settings.png"
convert "$tmp/settings.png" -trim +repage -bordercolor '#efefef' -border 10 \
    -resize "$width" -colors 256 "$pictures/nastav.gif"

# The largest frame of a tray icon, its half-transparent edge made either clear or solid.
icon() { # icon name, picture name
    local frame
    frame="$(identify -format '%[fx:w*h] %p\n' "$root/install/icons/$1.ico" | sort -n | tail -n 1)"
    convert "$root/install/icons/$1.ico[${frame#* }]" -channel A -threshold 50% +channel \
        "$pictures/$2"
}
icon nacit0 zelena.gif # downloading allowed and waiting: the green screen
icon nacit2 stahuje.gif
icon nacitzru pozastaveno.gif

for picture in "$pictures"/{map.gif,nastav.gif,vyhledat.jpg,zelena.gif,stahuje.gif,pozastaveno.gif} \
    "$docs"/{classic.png,search.png,now.png,alert.png}; do
    identify -format "${picture#"$root"/}  %wx%h  %b\n" "${picture}[0]"
done
