#!/usr/bin/env bash
# Unpacks the Debian package built from the finished build into a scratch root the way
# dpkg installs it and checks what a user's machine gets: the layout, the dependencies
# computed from the programs, the desktop files against their validators, the manual page
# against motra-cli --help, and the installed launcher and motra-cli on a user's folder.
#
#   tst_package.sh BUILD_DIR DEB_DIR WORK_DIR APP_ID DEMO_DIR
set -euo pipefail
build=$1 debs=$2 work=$3 id=$4 demo=$5
fail() { echo "FAIL: $*" >&2; exit 1; }
squeeze() { sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//'; }

rm -rf "$work"
mkdir -p "$work"
debs=("$debs"/motra_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one motra_*.deb in $2"
deb=${debs[0]}
root=$work/root
dpkg-deb -x "$deb" "$root"

# Control fields: dependencies from dpkg-shlibdeps, not a list kept by hand.
field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends | tr ',|' '\n\n' | sed -e 's/^ *//' -e 's/ .*//')
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-translations-l10n; do
    grep -qxF "$lib" <<<"$depends" || fail "Depends lacks $lib: $(field Depends)"
done
! grep -q libqt6test <<<"$depends" || fail "Depends names the test library"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
for pkg in libreoffice-writer libreoffice-l10n-hu; do
    grep -qw "$pkg" <<<"$(field Recommends)" || fail "Recommends lacks $pkg: $(field Recommends)"
done
for text in "child psychologists" "A MOTRA gyermekpszichológusok"; do
    grep -q "$text" <<<"$(field Description)" || fail "Description lacks: $text"
done
[ "$(field Description | sed -n 2p)" != " $(field Description | head -1)" ] || fail "the summary is repeated"
[ "$(field Package)" = motra ] || fail "Package: $(field Package)"

# Layout: everything under /usr, the template equal to the generated demo installation.
for file in usr/bin/motra usr/bin/motra-cli usr/bin/motra-start \
    "usr/share/applications/$id.desktop" "usr/share/mime/packages/$id.xml" \
    "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/icons/hicolor/48x48/apps/$id.png" "usr/share/icons/hicolor/256x256/apps/$id.png" \
    usr/share/man/man1/motra-cli.1.gz usr/share/doc/motra/copyright usr/share/doc/motra/README.md; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ "$(ls -A "$root")" = usr ] || fail "the package installs outside /usr: $(ls -A "$root")"
diff -r "$demo" "$root/usr/share/motra/template" >/dev/null || fail "the template differs from $demo"
for program in motra motra-cli motra-start; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
    ! readelf -d "$root/usr/bin/$program" | grep -Eq 'RPATH|RUNPATH' || fail "$program keeps a run path"
    ! readelf -S "$root/usr/bin/$program" | grep -q '\.debug_info' || fail "$program is not stripped"
done

# Desktop integration.
desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_program" ] || fail "the desktop entry runs $exec_program, which is not installed"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the desktop entry's icon is not $id"
mime_type=$(sed -n 's/^MimeType=\([^;]*\);.*/\1/p' "$desktop")
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/$id.xml" "$work/mime/packages/"
XDG_DATA_HOME=$work update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log"; fail "update-mime-database complained"; }
grep -q "^50:$mime_type:\*\.mtr$" "$work/mime/globs2" || fail "*.mtr is not registered as $mime_type"
grep -aq '<MOTRA=>' "$work/mime/magic" || fail "case files are not recognised by their first line"

# The manual page says what --help says, line by line; where --help names this run's
# installation folder, the manual page has a placeholder.
help=$(MOTRA_ROOT=$work/nincs "$root/usr/bin/motra-cli" --help 2>&1 || true)
grep -q 'telepítés: ' <<<"$help" || fail "--help does not say where the installation lives"
here='a telepítés helye most: '
grep -qxF "$here$work/nincs (ez a mappa nem létezik)" <<<"$help" || fail "--help does not name the folder MOTRA_ROOT gives"
manual=$(gzip -dc "$root/usr/share/man/man1/motra-cli.1.gz" | sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' -e 's/\\e/\\/g' | squeeze)
grep -qF "${here}MAPPA" <<<"$manual" || fail "the manual page lacks the line: ${here}MAPPA"
while IFS= read -r line; do
    line=$(squeeze <<<"$line")
    [ -z "$line" ] || [[ $line == "$here"* ]] || grep -qF -- "$line" <<<"$manual" ||
        fail "the manual page lacks the --help line: $line"
done <<<"$help"

# The installed programs on a user's folder, without a display: the launcher finds the
# template and the program beside itself and never creates or changes anything it cannot ask about.
export HOME=$work/home XDG_DATA_HOME=$work/home/data
unset MOTRA_ROOT DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DESKTOP_STARTUP_ID
mkdir -p "$HOME"
user_root=$XDG_DATA_HOME/motra/c
if "$root/usr/bin/motra-start" >"$work/start.out" 2>&1; then fail "motra-start went on without asking"; fi
grep -qF "$user_root" "$work/start.out" || { cat "$work/start.out"; fail "motra-start does not name $user_root"; }
grep -qF "$root/usr/share/motra/template" "$work/start.out" || fail "motra-start does not name the template"
[ ! -e "$XDG_DATA_HOME/motra" ] || fail "motra-start created $XDG_DATA_HOME/motra without asking"

# A launcher beside a stand-in program: it hands over every argument unchanged.
mkdir -p "$work/fake/bin" "$work/fake/share/motra" "$(dirname "$user_root")"
cp "$root/usr/bin/motra-start" "$work/fake/bin/"
ln -s "$root/usr/share/motra/template" "$work/fake/share/motra/template"
printf '#!/bin/sh\nfor a in "$@"; do printf "[%%s]" "$a"; done > "%s"\n' "$work/args" >"$work/fake/bin/motra"
chmod +x "$work/fake/bin/motra"
cp -R "$root/usr/share/motra/template" "$user_root"
"$work/fake/bin/motra-start" 123456 "$work/a b/eset.mtr" || fail "motra-start did not start the program"
[ "$(cat "$work/args")" = "[123456][$work/a b/eset.mtr]" ] || fail "the program got: $(cat "$work/args")"

# motra-cli scores with the installed norms.
case_file=$user_root/_halden/motra/archivum/MINTA1.mtr
"$build/bin/motra-samplecase" "$case_file"
"$root/usr/bin/motra-cli" score "$case_file" >"$work/score.out" 2>&1 || { cat "$work/score.out"; fail "motra-cli score"; }
[ "$(grep -c $'^[123]\t[0-9]' "$work/score.out")" -eq $((15 + 17 + 16)) ] || { cat "$work/score.out"; fail "motra-cli score printed no score for some scale"; }

# A damaged folder is reported and left as it was.
rm "$user_root/_halden/motra/tstan2.tp"
before=$(cd "$user_root" && find . -printf '%p %s\n' | sort)
rm -f "$work/args"
if "$work/fake/bin/motra-start" >"$work/damaged.out" 2>&1; then fail "motra-start started on a damaged folder without asking"; fi
grep -qF "$user_root/_halden/motra/tstan2.tp: hiányzik" "$work/damaged.out" || { cat "$work/damaged.out"; fail "the damage is not named"; }
[ ! -e "$work/args" ] || fail "the program started"
[ "$(cd "$user_root" && find . -printf '%p %s\n' | sort)" = "$before" ] || fail "the damaged folder was changed"
echo "package $(basename "$deb"): $(field Installed-Size) KiB installed; all checks passed"
