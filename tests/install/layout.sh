# Sourced by the install and package checks: what an installed Tolva must have under PREFIX
# (/usr in a package) for the desktop, the software centre and man to find it.
# check_layout PREFIX: fails through fail() on the first file that is missing or wrong.
check_layout() {
    p=$1
    for f in bin/tolva share/applications/tolva.desktop \
             share/icons/hicolor/scalable/apps/tolva.svg \
             share/icons/hicolor/48x48/apps/tolva.png share/icons/hicolor/256x256/apps/tolva.png \
             share/metainfo/io.github.tolva.Tolva.metainfo.xml share/man/man1/tolva.1.gz \
             share/doc/tolva/copyright share/doc/tolva/changelog.gz; do
        [ -f "$p/$f" ] || fail "not installed: $f"
    done
    version=$("$p/bin/tolva" --version) || fail "the installed bin/tolva does not run"
    [ "$version" = "Tolva 1.0.0" ] || fail "the installed bin/tolva says $version"

    # A PNG's width and height are the two big-endian words at bytes 16 to 23.
    for size in 48 256; do
        dims=$(od -An -tu1 -j16 -N8 "$p/share/icons/hicolor/${size}x$size/apps/tolva.png" |
               awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
        [ "$dims" = "${size}x$size" ] || fail "the ${size} pixel icon is $dims"
    done

    entry=$p/share/applications/tolva.desktop
    for line in "Exec=tolva %f" "Icon=tolva" "MimeType=text/html;application/xhtml+xml;"; do
        grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
    done
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"

    meta=$p/share/metainfo/io.github.tolva.Tolva.metainfo.xml
    appstreamcli validate --no-net "$meta" >/dev/null ||
        { appstreamcli validate --no-net "$meta"; fail "appstreamcli refuses the metadata"; }
    grep -qF '<launchable type="desktop-id">tolva.desktop</launchable>' "$meta" ||
        fail "the metadata does not launch tolva.desktop"
    # The newest release comes first; a new version without its release entry is a mistake.
    newest=$(grep -o '<release version="[^"]*"' "$meta" | head -n 1)
    [ "$newest" = "<release version=\"${version#Tolva }\"" ] ||
        fail "the newest release in the metadata is $newest, the program is $version"

    # The manual page says every option line of --help, as man shows it to a person.
    manual=$(MANWIDTH=200 man -l "$p/share/man/man1/tolva.1.gz" 2>&1) ||
        fail "man cannot show the page"
    flat=$(printf '%s\n' "$manual" | tr -s ' \n' '  ')
    "$p/bin/tolva" --help | grep '^  -' | sed 's/^ *-[^ ]*\( -[^ ]*\)* *//' |
        while IFS= read -r text; do
            case $flat in *"$text"*) ;; *) fail "the manual page lacks: $text" ;; esac
        done || exit 1
    for section in FILES "EXIT STATUS"; do
        printf '%s\n' "$manual" | grep -qx "$section" || fail "the manual page has no $section"
    done
}
