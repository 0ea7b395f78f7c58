#!/usr/bin/env bash
# Checks the Debian package the way a distribution would, one check per call:
#
#   package_checks.sh build CPACK_CONFIG OUT_DIR   makes the package into OUT_DIR
#   package_checks.sh CHECK OUT_DIR VERSION         checks the package in OUT_DIR
#
# CHECK is one of
#   contents  the installed layout: the program, its game folder, the desktop's files, no
#             player's file, the control fields, and NEWS's version in every place it shows
#   desktop   desktop-file-validate on the desktop entry
#   metainfo  appstreamcli validate --no-net on the AppStream metadata
#   manual    man --warnings on the manual page: no warning
#   lintian   lintian: no error, and no warning but those the README accepts
set -uo pipefail

check=${1:?check}
if [ "$check" = build ]; then
    config=${2:?CPackConfig.cmake}
    out=${3:?output folder}
    rm -rf "$out"
    mkdir -p "$out"
    cpack --config "$config" -B "$out" || exit 1
    exit 0
fi

out=${2:?output folder}
version=${3:?version}
deb=$out/tovak-marudo_${version}-1_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "no package $deb"
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

fail() {
    echo "FAILED: $*"
    failed=$((failed + 1))
}

unpacked() {
    dpkg-deb -x "$deb" "$work/root" || exit 1
    root=$work/root
}

contents() {
    dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' | sed 's#\./#/#' > "$work/listing"
    local path
    for path in /usr/games/tovak-marudo /usr/share/games/tovak-marudo/Board/1.dat \
        /usr/share/games/tovak-marudo/Board/267.dat /usr/share/games/tovak-marudo/set.ini \
        /usr/share/games/tovak-marudo/tpz.bmp /usr/share/games/tovak-marudo/Help/index.html \
        /usr/share/applications/tovak-marudo.desktop \
        /usr/share/icons/hicolor/scalable/apps/tovak-marudo.svg \
        /usr/share/man/man6/tovak-marudo.6.gz /usr/share/doc/tovak-marudo/copyright \
        /usr/share/doc/tovak-marudo/changelog.Debian.gz; do
        grep -q " $path\$" "$work/listing" || fail "$path is not in the package"
    done
    for size in 16 22 24 32 48 64 128 256; do
        grep -q " /usr/share/icons/hicolor/${size}x${size}/apps/tovak-marudo.png\$" \
            "$work/listing" || fail "no ${size}x${size} icon"
    done
    grep -Eq ' /usr/share/metainfo/[^/]+\.metainfo\.xml$' "$work/listing" ||
        fail "no AppStream metadata"
    # The player's files and the portable copy's own program and desktop files stay out.
    grep -E '/(Rest\.pa|st\.data|[^/]*\.saving-[^/]*|tovak-marudo/tovak-marudo(\.desktop|\.png)?)$' \
        "$work/listing" && fail "the game folder carries a player's or a portable copy's file"
    grep -q ' /usr/bin/' "$work/listing" && fail "the package puts a command in /usr/bin"
    grep -q '^-rwxr-xr-x root/root /usr/games/tovak-marudo$' "$work/listing" ||
        fail "the program is not an executable owned by root"
    awk '$1 !~ /^d/ && $1 != "-rw-r--r--" && $3 != "/usr/games/tovak-marudo"' "$work/listing" \
        > "$work/odd"
    [ -s "$work/odd" ] && fail "files with other modes than 644: $(head -3 "$work/odd")"

    [ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "Version is not $version-1"
    [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "Section is not games"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libc6 libsdl2 libpng fonts-unifont; do
        [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
    done
    unpacked
    local first
    first=$(zcat "$root/usr/share/doc/tovak-marudo/changelog.Debian.gz" | head -n 1)
    [ "$first" = "tovak-marudo ($version-1) unstable; urgency=medium" ] ||
        fail "the changelog starts with \"$first\""
    grep -q "<release version=\"$version\" date=\"[0-9-]*\">" \
        "$root"/usr/share/metainfo/*.metainfo.xml || fail "the metadata lacks release $version"
    # Help links of the installed settings point into the installed game folder.
    grep -q '^web1=file:///usr/share/games/tovak-marudo/Help/index.html#play' \
        "$root/usr/share/games/tovak-marudo/set.ini" || fail "set.ini's help link: $(grep web1 \
        "$root/usr/share/games/tovak-marudo/set.ini")"
}

case $check in
contents)
    contents
    ;;
desktop)
    unpacked
    desktop-file-validate "$root/usr/share/applications/tovak-marudo.desktop" || fail "desktop entry"
    ;;
metainfo)
    unpacked
    appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "metadata"
    ;;
manual)
    unpacked
    man --warnings -l "$root/usr/share/man/man6/tovak-marudo.6.gz" > /dev/null 2> "$work/warnings"
    [ -s "$work/warnings" ] && fail "manual page warnings:" && cat "$work/warnings"
    ;;
lintian)
    # Lintian refuses nothing when run as root, but says so; that line is no finding.
    lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs --info "$deb" \
        2>&1 | grep -v 'running with root privileges'
    [ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian found errors or warnings"
    ;;
*)
    echo "unknown check $check"
    exit 2
    ;;
esac
[ "$failed" -eq 0 ] && echo "$check: all checks passed"
[ "$failed" -eq 0 ]
