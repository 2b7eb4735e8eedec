#!/usr/bin/env bash
# Checks of what `make install` and `make package` deliver: the desktop entry and the AppStream metadata
# validate, the Debian package holds every file and depends on the Qt runtime only, and the programs unpacked
# from it run from there. Usage: check-package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

check "desktop entry validates" desktop-file-validate "$build/packaging/$id.desktop"
check "AppStream metadata validates" appstreamcli validate --no-net "$build/packaging/$id.metainfo.xml"

# the package, made into the temporary folder
(cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/cpack/kt-m40_*.deb)
check "package named by version" test "$(basename "$deb")" = "kt-m40_${version}_$(dpkg --print-architecture).deb"

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
for f in /usr/bin/kt-m40 /usr/bin/kt-m40-cli /usr/libexec/kt-m40/kt-m40-cli-print \
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    /usr/share/icons/hicolor/scalable/apps/kt-m40.svg \
    /usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kt-m40.png \
    /usr/share/man/man1/kt-m40.1.gz /usr/share/man/man1/kt-m40-cli.1.gz \
    /usr/share/bash-completion/completions/kt-m40-cli /usr/share/mime/packages/kt-m40.xml \
    /usr/share/kt-m40/translations/kt-m40_{ja,de,fr,es,it}.qm; do
    grep -qxF "$f" "$work/files" || fail "package lacks $f"
done
# nothing of the build's own: no tests, benchmarks, libraries or headers
if grep -E '/(tst_|gui_tst_|bench-|kt-m40-render-icon)|\.(a|h|so)$|/include/' "$work/files"; then
    fail "package holds files that are no part of the programs"
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6core6 libqt6widgets6 libqt6serialport6 libqt6gui6 libqt6printsupport6 qt6-qpa-plugins; do
    grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
done
# only runtime libraries: no -dev package, nothing beyond libraries, the C/C++ runtime and Qt's plugins
others=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -vE '^(libqt6[a-z]*6|libc6|libstdc\+\+6|libgcc-s1|qt6-qpa-plugins)$' || true)
[[ -z $others ]] || fail "Depends holds more than the Qt runtime: $others"
recommends=$(dpkg-deb -f "$deb" Recommends)
check "Recommends bash-completion ($recommends)" grep -qE '(^|, )bash-completion( |,|$)' <<<"$recommends"

# the programs run from the unpacked package
root=$work/root
dpkg-deb -x "$deb" "$root"
cli=$root/usr/bin/kt-m40-cli
check "kt-m40-cli --version from the package" test "$("$cli" --version)" = "kt-m40-cli $version"
check "kt-m40 --version from the package" test "$("$root/usr/bin/kt-m40" --version)" = "kt-m40 $version"
check "new from the package" "$cli" new -o "$work/radio.M40" --variant A --wide
check "the new file's header" test "$(head -c 32 "$work/radio.M40")" = "Korvan KT-M40A Clone A FileStart"
"$cli" show "$work/radio.M40" >"$work/shown.txt" || fail "show from the package"
check "print from the package" "$cli" print "$work/radio.M40" -o "$work/radio.pdf"
check "the printed file is a PDF" test "$(head -c 5 "$work/radio.pdf")" = "%PDF-"
check "show reads what new wrote" grep -q "^Variant A (KT-M40A), range (150KHz - 35MHz)" "$work/shown.txt"
check "show lists the empty memory" grep -q "^Channels (0 of 604 used)" "$work/shown.txt"

# the clone file type: the database built from the package's tree knows it by extension (either case) and by
# the first line, with the program's icon; the desktop entry opens it with the file as argument
mime=$root/usr/share/mime
quiet() { "$@" >/dev/null 2>&1; }
check "update-mime-database on the package's tree" quiet update-mime-database "$mime"
check "the clone file type has the program's icon" grep -qx 'application/x-kt-m40-clone:kt-m40' "$mime/icons"
desktop=$root/usr/share/applications/$id.desktop
check "the desktop entry declares the clone file type" grep -qx 'MimeType=application/x-kt-m40-clone;' "$desktop"
check "the desktop entry takes the file" grep -qx 'Exec=kt-m40 %f' "$desktop"
cp "$work/radio.M40" "$work/lower.m40"
cp "$work/radio.M40" "$work/radio-without-extension"
printf 'Korvan KT-M40J Clone 0 FileStart\r\n' >"$work/first-line.txt"
printf '"MODEL","BANK"\r\n' >"$work/channels.csv"
if command -v gio >/dev/null; then
    filetype() { # the type the desktop's own library gives a file, with only the package's database
        XDG_DATA_HOME=$root/usr/share XDG_DATA_DIRS=$root/usr/share gio info -a standard::content-type "$1" 2>/dev/null |
            sed -n 's/^ *standard::content-type: //p'
    }
    for f in radio.M40 lower.m40 radio-without-extension first-line.txt; do
        check "$f is a clone file ($(filetype "$work/$f"))" test "$(filetype "$work/$f")" = application/x-kt-m40-clone
    done
    check "a CSV file is none" test "$(filetype "$work/channels.csv")" != application/x-kt-m40-clone
else
    check "the glob *.M40" grep -q '^50:application/x-kt-m40-clone:\*\.M40:cs$' "$mime/globs2"
    check "the first line" grep -qa 'Korvan KT-M40A Clone ' "$mime/magic"
fi

# the manual pages: every command with its options, and the exit statuses
man1=$root/usr/share/man/man1
zcat "$man1/kt-m40-cli.1.gz" >"$work/cli.1"
for command in $("$cli" --help | sed -n '/^Commands:/,/^$/{s/^  \([a-z][a-z0-9-]*\) .*/\1/p}'); do
    grep -qx "\.SS $command" "$work/cli.1" || fail "kt-m40-cli(1) lacks the command $command"
done
check "kt-m40-cli(1) lists read's --port" grep -q -- '--port <PORT>' "$work/cli.1"
check "kt-m40-cli(1) has the exit statuses" grep -q '^\.SH "EXIT STATUS"' "$work/cli.1"
check "kt-m40-cli(1) names the version" grep -q "kt-m40-cli $version" "$work/cli.1"
zcat "$man1/kt-m40.1.gz" >"$work/app.1"
check "kt-m40(1) has the options" grep -q -- '--demo' "$work/app.1"
check "kt-m40(1) has the files" grep -q '^\.SH FILES' "$work/app.1"
if command -v man >/dev/null; then
    check "kt-m40-cli(1) formats without warnings" test -z "$(MANWIDTH=80 man -l --warnings "$work/cli.1" 2>&1 >/dev/null)"
fi

# the PNG icons are the sizes their folders say
for size in 16 32 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/kt-m40.png
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    check "icon ${size}x${size} is $dims" test "$dims" = "${size}x${size}"
done

# bash completion, run on the unpacked tool
complete_words() { # complete_words WORD... : what completing the last word offers
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kt_m40_cli; printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$root/usr/share/bash-completion/completions/kt-m40-cli" "$@"
}
mkdir -p "$work/files-dir/sub"
touch "$work/files-dir/a.M40" "$work/files-dir/b.m40" "$work/files-dir/list.csv" "$work/files-dir/notes.txt" \
    "$work/files-dir/report.pdf"
check "completes commands" test "$(complete_words "$cli" re)" = "read"
check "completes help COMMAND" test "$(complete_words "$cli" help ex)" = "export-csv"
check "completes a command's options" grep -qx -- "--settings" <(complete_words "$cli" read --s)
check "completes -o among options" grep -qx -- "-o" <(complete_words "$cli" new -)
check "completes the variants" test "$(complete_words "$cli" new --variant "" | tr '\n' ' ')" = "J T E A "
check "completes the page sizes" test "$(complete_words "$cli" print a.M40 --page-size "" | tr '\n' ' ')" = "A4 Letter Legal A3 A5 "
offered=$(complete_words "$cli" write -- | tr '\n' ' ')
check "completes each of write's options once ($offered)" test "$(grep -o -- '--changed ' <<<"$offered" | wc -l)" = 1
offered=$(cd "$work/files-dir" && complete_words "$cli" show "" | sort | tr '\n' ' ')
check "completes clone files and folders ($offered)" test "$offered" = "a.M40 b.m40 sub "
offered=$(cd "$work/files-dir" && complete_words "$cli" print a.M40 -o "" | sort | tr '\n' ' ')
check "completes PDF files for print's output ($offered)" test "$offered" = "report.pdf sub "
offered=$(cd "$work/files-dir" && complete_words "$cli" import-csv "" | sort | tr '\n' ' ')
check "completes CSV files for import-csv ($offered)" test "$offered" = "list.csv sub "
ports=$(complete_words "$cli" read --port /dev/)
for d in $ports; do
    [[ -e $d && $d =~ ^/dev/(tty|serial/|pts/) ]] || fail "--port offers $d"
done
[[ ! -e /dev/pts/0 ]] || grep -qx /dev/pts/0 <<<"$ports" || fail "--port does not offer /dev/pts/0"

# make install with a prefix puts the same files under it
(cd "$build" && cmake --install . --prefix "$work/prefix" >/dev/null) || fail "cmake --install"
for f in bin/kt-m40 bin/kt-m40-cli libexec/kt-m40/kt-m40-cli-print "share/applications/$id.desktop" share/man/man1/kt-m40-cli.1.gz \
    share/bash-completion/completions/kt-m40-cli share/icons/hicolor/48x48/apps/kt-m40.png share/mime/packages/kt-m40.xml \
    share/kt-m40/translations/kt-m40_de.qm; do
    [[ -e $work/prefix/$f ]] || fail "install lacks $f"
done

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all package checks passed"
