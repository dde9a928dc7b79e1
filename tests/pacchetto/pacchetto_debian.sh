#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it as a distribution would:
# lintian, the desktop entry and AppStream validators, the unpacked contents, computed
# dependencies, and finally the unpacked program started from its desktop entry.
# Runs on an X server of its own. Arguments: cpack, build folder, scratch folder.
set -euo pipefail
cpack=$1 costruzione=$2 cartella=$3
rm -rf "$cartella"
mkdir -p "$cartella"

fallito() {
    echo "FAILED: $*" >&2
    exit 1
}

(cd "$costruzione" && "$cpack" -G DEB -B "$cartella/uscita") >"$cartella/cpack.log" 2>&1 ||
    { cat "$cartella/cpack.log" >&2; fallito "cpack"; }
pacchetti=("$cartella"/uscita/*.deb)
if [ ${#pacchetti[@]} -ne 1 ] || [ ! -f "${pacchetti[0]}" ]; then
    fallito "expected one .deb, got: ${pacchetti[*]}"
fi
deb=${pacchetti[0]}
echo "package: $(basename "$deb")"

# Errors fail the test; warnings are shown. A failure with no error tag is lintian's own.
stato=0
lintian -I --tag-display-limit 0 "$deb" >"$cartella/lintian.log" 2>&1 || stato=$?
cat "$cartella/lintian.log"
if grep -q '^E: ' "$cartella/lintian.log"; then fallito "lintian reports errors"; fi
[ "$stato" -eq 0 ] || fallito "lintian could not check the package (status $stato)"

# The package installs here: apt finds every dependency (a dry run, so the test needs no
# root and leaves the system as it was).
apt-get install --simulate --no-install-recommends "$deb" >"$cartella/apt.log" 2>&1 ||
    { cat "$cartella/apt.log" >&2; fallito "apt would not install the package"; }
grep -q '^Inst brevanto ' "$cartella/apt.log" || { cat "$cartella/apt.log" >&2; fallito "apt"; }

radice="$cartella/radice"
dpkg-deb -x "$deb" "$radice"
condivisi="$radice/usr/share"
richiesti=(
    usr/bin/brevanto
    usr/share/applications/brevanto.desktop
    usr/share/metainfo/io.github.brevanto.Brevanto.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/brevanto.svg
    usr/share/doc/brevanto/copyright
    usr/share/doc/brevanto/changelog.gz
    usr/share/man/man1/brevanto.1.gz
    usr/bin/brevanto-ntc
    usr/share/man/man1/brevanto-ntc.1.gz
    usr/share/bash-completion/completions/brevanto-ntc
    usr/bin/brevanto-curva
    usr/share/applications/brevanto-curva.desktop
    usr/share/metainfo/io.github.brevanto.BrevantoCurva.metainfo.xml
    usr/share/man/man1/brevanto-curva.1.gz
)
for f in "${richiesti[@]}"; do
    [ -f "$radice/$f" ] || fallito "missing from the package: $f"
done
for lato in 16 32 48 64 128 256; do
    dimensioni=$(file -b "$condivisi/icons/hicolor/${lato}x${lato}/apps/brevanto.png")
    [[ $dimensioni == *"$lato x $lato"* ]] || fallito "${lato}px icon is $dimensioni"
done
file -b "$condivisi/icons/hicolor/scalable/apps/brevanto.svg" | grep -q '^SVG' ||
    fallito "the scalable icon is no SVG"
[ -x "$radice/usr/bin/brevanto" ] || fallito "the program is not executable"
[ "$("$radice/usr/bin/brevanto-ntc" resistenza --r0 10000 --beta 3950 25)" = "25,10000" ] ||
    fallito "the unpacked brevanto-ntc does not convert"
bash -n "$condivisi/bash-completion/completions/brevanto-ntc" || fallito "bash completion"
file -b "$radice/usr/bin/brevanto" | grep -q ', stripped' || fallito "the program is not stripped"
head -n 1 "$condivisi/doc/brevanto/copyright" | grep -q '^Format: .*copyright-format/1.0/' ||
    fallito "copyright is not in the Debian format"

# Each window's desktop entry and metainfo, the metainfo launching what the package
# installs; not even a hint from the validator (one main category, so that menus list each
# program once).
for programma in brevanto:Brevanto brevanto-curva:BrevantoCurva; do
    voce=${programma%%:*} metainfo="$condivisi/metainfo/io.github.brevanto.${programma##*:}.metainfo.xml"
    suggerimenti=$(desktop-file-validate "$condivisi/applications/$voce.desktop") ||
        fallito "$voce desktop entry: $suggerimenti"
    [ -z "$suggerimenti" ] || fallito "$voce desktop entry: $suggerimenti"
    appstreamcli validate --no-net "$metainfo" || fallito "$voce metainfo"
    grep -q "<launchable type=\"desktop-id\">$voce.desktop</launchable>" "$metainfo" ||
        fallito "$voce launchable"
done
grep -q '^Categories=Science;Electronics;$' "$condivisi/applications/brevanto-curva.desktop" ||
    fallito "brevanto-curva categories"
zcat "$condivisi/man/man1/brevanto-curva.1.gz" | grep -q '^\.TH BREVANTO-CURVA 1' ||
    fallito "brevanto-curva manual page"

# The dependencies come from the program's libraries, so the Qt 6 ones must be there.
dipendenze=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $dipendenze"
for libreria in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libxres1 libxdamage1; do
    grep -Eq "(^|, )$libreria( |,|$)" <<<"$dipendenze" || fallito "$libreria not in Depends"
done
raccomandati=$(dpkg-deb -f "$deb" Recommends)
for pacchetto in qt6-translations-l10n fonts-liberation; do
    grep -Eq "(^|, )$pacchetto( |,|$)" <<<"$raccomandati" || fallito "$pacchetto not in Recommends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^brevanto (\(.*\)).*/\1/p' \
    <(zcat "$condivisi/doc/brevanto/changelog.gz") | head -n 1)" ] ||
    fallito "package version differs from the changelog's"

# Start each program the way a menu would: the Exec line, found on PATH.
export PATH="$radice/usr/bin:$PATH" LC_ALL=C.UTF-8 LANG=C.UTF-8
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT
for programma in "brevanto:Brevanto" "brevanto-curva:Brevanto Curva"; do
    voce=${programma%%:*} titolo=${programma#*:}
    comando=$(sed -n 's/^Exec=//p' "$condivisi/applications/$voce.desktop")
    [ -n "$comando" ] || fallito "no Exec line in $voce.desktop"
    # shellcheck disable=SC2086 # the Exec line is a command with its arguments
    $comando &
    pid=$!
    finestra=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" \
        --name "^$titolo\$" | head -n 1) || true
    [ -n "$finestra" ] || fallito "the unpacked $voce showed no $titolo window"
    eseguito=$(readlink -f "/proc/$pid/exe")
    [ "$eseguito" = "$(readlink -f "$radice/usr/bin/$voce")" ] ||
        fallito "Exec started $eseguito, not the unpacked $voce"
    echo "the unpacked $voce maps its window $finestra"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
done
