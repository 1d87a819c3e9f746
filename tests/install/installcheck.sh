#!/usr/bin/env bash
# Installs the build into a temporary root and runs the installed programs from there, away
# from the source and build trees: the version, a download from the installed server, a
# self-contained export. Validates the desktop entry, the AppStream data and the service, and
# builds the two Debian packages and checks what each holds.
# Usage: installcheck.sh BUILD_DIR VERSION PREFIX SYSCONFDIR (the last two as configured, full)
set -euo pipefail
build="$1" version="$2" prefix="$3" etc="$4"
root="$(mktemp -d)"
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$root"' EXIT
trap 'echo "failed: line $LINENO: $BASH_COMMAND" >&2' ERR
# Fails the check when the command succeeds.
refuse() { if "$@"; then echo "unexpected: $*" >&2 && exit 1; fi; }

DESTDIR="$root/install" cmake --install "$build" >/dev/null
usr="$root/install$prefix"
bin="$usr/bin"
desktop-file-validate "$usr/share/applications/cz.obzorka.Obzorka.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/cz.obzorka.Obzorka.metainfo.xml"
if command -v systemd-analyze >/dev/null; then
    # The unit as installed, but starting the server of the temporary root; not a word to say.
    mkdir "$root/unit"
    sed "s|^ExecStart=$prefix/|ExecStart=$usr/|" "$usr/lib/systemd/system/obzorka-server.service" \
        >"$root/unit/obzorka-server.service"
    test -z "$(systemd-analyze verify --man=no "$root/unit/obzorka-server.service" 2>&1)"
fi

cd "$root"
export HOME="$root/home" XDG_DATA_HOME="$root/home/data"
test "$("$bin/obzorka" --version)" = "obzorka $version"
test "$("$bin/obzorka-server" --version)" = "obzorka-server $version"
"$bin/obzorka-server" --demo --port 0 --data "$root/server" >"$root/server.log" &
server=$!
for _ in $(seq 100); do
    port="$(sed -n 's|.*http://127.0.0.1:\([0-9]*\)/program.*|\1|p' "$root/server.log")"
    [ -n "$port" ] && break
    sleep 0.1
done
"$bin/obzorka" --data-dir "$root/guide" --server "127.0.0.1:$port" \
    --image-server "127.0.0.1:$port" --sync-once --user eva --password heslo
"$bin/obzorka" --data-dir "$root/guide" --export grid --out "$root/web/"
page="$root/web/index.html"
grep -q '<IMG SRC="data:image/gif;base64,' "$page"
refuse grep -q "$root" "$page"

cpack -G DEB -B "$root/packages" --config "$build/CPackConfig.cmake" >/dev/null
contents() { dpkg-deb -c "$root/packages/$1_${version}_"*.deb | awk '{print $6}'; }
guide="$(contents obzorka)"
for file in bin/obzorka share/applications/cz.obzorka.Obzorka.desktop \
    share/icons/hicolor/256x256/apps/cz.obzorka.Obzorka.png \
    share/metainfo/cz.obzorka.Obzorka.metainfo.xml share/man/man1/obzorka.1.gz; do
    grep -qx ".$prefix/$file" <<<"$guide"
done
refuse grep -q obzorka-server <<<"$guide"
served="$(contents obzorka-server)"
for file in "$prefix/bin/obzorka-server" "$prefix/lib/systemd/system/obzorka-server.service" \
    "$etc/default/obzorka-server" "$prefix/share/man/man1/obzorka-server.1.gz"; do
    grep -qx ".$file" <<<"$served"
done
# Installed, not enabled: no link into a target and no script that would make one.
refuse grep -q "wants/" <<<"$served"
refuse dpkg-deb -I "$root/packages/obzorka-server_${version}_"*.deb postinst >/dev/null 2>&1
dpkg-deb -f "$root/packages/obzorka_${version}_"*.deb Depends | grep -q libqt6widgets6
echo "installed, run, exported and packaged"
