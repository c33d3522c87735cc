#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack -G DEB` put on a user's machine.
#   install_checks.sh CHECK build=DIR root=DIR version=X.Y.Z app_data=0|1 window=0|1 cli=0|1
# CHECK is one of: stage files desktop-entry metainfo manual-page completion cli package.
# Exit status 77 means skipped: the part it checks is not in this build.
set -euo pipefail

check=$1
shift
for arg in "$@"; do
  declare "${arg%%=*}=${arg#*=}"
done
: "${build:?} ${root:?} ${version:?} ${app_data:?} ${window:?} ${cli:?}"
app_data=$([[ $app_data =~ ^(1|ON|TRUE|YES)$ ]] && echo 1 || echo 0)

export LC_ALL=C.UTF-8
app_id=org.mosuo.Mosuo
cli_commands=(spaces line-breaks tab-line-breaks delete-text repeated-chars repeated-lines
              byte-list from-byte-list hex upper lower full-width)
cli_options=(--case-sensitive --content --help --version)
icon_sizes=(16 24 32 48 64 128 256)

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

# Every file the install must produce under the prefix /usr, sorted, nothing more.
expected_files() {
  {
    [[ $window == 1 ]] && echo usr/bin/mosuo
    [[ $cli == 1 ]] && echo usr/bin/mosuo-cli
    if [[ $app_data == 1 ]]; then
      echo usr/share/applications/$app_id.desktop
      echo usr/share/metainfo/$app_id.metainfo.xml
      echo usr/share/icons/hicolor/scalable/apps/$app_id.svg
      for size in "${icon_sizes[@]}"; do
        echo usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
      done
      echo usr/share/man/man1/mosuo.1.gz
    fi
    echo usr/share/man/man1/mosuo-cli.1.gz
    echo usr/share/bash-completion/completions/mosuo-cli
    echo usr/share/doc/mosuo/changelog.gz
    echo usr/share/doc/mosuo/copyright
  } | LC_ALL=C sort
}

same_lists() {  # what, expected, actual
  [[ $2 == "$3" ]] && return 0
  diff <(echo "$2") <(echo "$3") | sed 's/^/  /' >&2
  fail "$1 differs from the expected list (< expected, > found)"
}

need_root() { [[ -d $root/usr ]] || fail "nothing installed in $root; the stage check runs first"; }

case $check in
  stage)
    rm -rf "$root"
    DESTDIR=$root cmake --install "$build" --prefix /usr >"$root.log" 2>&1 ||
      { cat "$root.log" >&2; fail "cmake --install failed"; }
    ;;

  files)
    need_root
    same_lists "the installed file list" "$(expected_files)" \
      "$(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)"
    newest=$(gzip -dc "$root/usr/share/doc/mosuo/changelog.gz" | sed -n '1s/^mosuo (\([^)]*\)).*/\1/p')
    [[ $newest == "$version" ]] || fail "the newest changelog entry is '$newest', the project is $version"
    for size in "${icon_sizes[@]}"; do
      png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
      [[ -f $png ]] || continue
      # a PNG's IHDR holds width and height as 4-byte big-endian numbers at offsets 16 and 20
      read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
      [[ $width == "$size" && $height == "$size" ]] ||
        fail "the ${size}x${size} icon is ${width}x${height}"
    done
    ;;

  desktop-entry)
    [[ $app_data == 1 ]] || skip "the window program is not part of this build"
    need_root
    entry=$root/usr/share/applications/$app_id.desktop
    report=$(desktop-file-validate "$entry" 2>&1) || true
    echo "desktop-file-validate: ${report:-(no output)}"
    [[ -z $report ]] || fail "desktop-file-validate reported problems"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [[ $icon == "$app_id" ]] || fail "Icon=$icon is not the application id"
    hicolor=$root/usr/share/icons/hicolor
    [[ -f $hicolor/scalable/apps/$icon.svg ]] || fail "Icon=$icon has no scalable icon"
    for size in "${icon_sizes[@]}"; do
      [[ -f $hicolor/${size}x${size}/apps/$icon.png ]] || fail "Icon=$icon has no ${size} px icon"
    done
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    [[ $exec_line == mosuo ]] || fail "Exec=$exec_line; the program takes no arguments"
    if [[ $window == 1 ]]; then
      [[ -x $root/usr/bin/$exec_line ]] || fail "Exec=$exec_line names no installed program"
    fi
    ;;

  metainfo)
    [[ $app_data == 1 ]] || skip "the window program is not part of this build"
    need_root
    metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
    # the tree check reads the metainfo together with the desktop entry it launches
    appstreamcli validate-tree --no-net "$root/usr" || fail "appstreamcli validate-tree failed"
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
    [[ $newest == "$version" ]] ||
      fail "the newest release in the metainfo is '$newest', the project is $version"
    ;;

  manual-page)
    need_root
    render() {  # page; prints the page as man shows it, fails on any warning
      local text
      text=$(MANWIDTH=80 man --warnings -l "$1" 2>"$root.man-warnings") || fail "man could not render $1"
      [[ ! -s $root.man-warnings ]] || { cat "$root.man-warnings" >&2; fail "man warned on $1"; }
      grep -q "mosuo $version" <<<"$text" || fail "$1 does not carry version $version"
      echo "$text"
    }
    rendered=$(render "$root/usr/share/man/man1/mosuo-cli.1.gz")
    for word in "${cli_commands[@]}" "${cli_options[@]}"; do
      grep -qw -- "$word" <<<"$rendered" || fail "the manual page of mosuo-cli does not mention $word"
    done
    if [[ $app_data == 1 ]]; then
      render "$root/usr/share/man/man1/mosuo.1.gz" >/dev/null
    fi
    ;;

  completion)
    need_root
    script=$root/usr/share/bash-completion/completions/mosuo-cli
    bash -c '
      source "$1"
      complete -p mosuo-cli >/dev/null || { echo "no completion registered for mosuo-cli"; exit 1; }
      mkdir -p "$2" && cd "$2" && touch cut.txt input.txt  # the files a file completion may offer
      status=0
      while IFS="|" read -r line want; do
        read -ra COMP_WORDS <<<"$line"
        [[ $line == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMPREPLY=()
        _mosuo_cli
        got=$(printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | xargs)
        if [[ $got != "$want" ]]; then
          echo "\"$line\" completes to \"$got\", expected \"$want\""
          status=1
        fi
      done <<"CASES"
mosuo-cli |byte-list delete-text from-byte-list full-width hex line-breaks lower repeated-chars repeated-lines spaces tab-line-breaks upper
mosuo-cli re|repeated-chars repeated-lines
mosuo-cli f|from-byte-list full-width
mosuo-cli -|--case-sensitive --content --help --version
mosuo-cli --case-sensitive -|--content
mosuo-cli --case-sensitive |byte-list delete-text from-byte-list full-width hex line-breaks lower repeated-chars repeated-lines spaces tab-line-breaks upper
mosuo-cli --content cut.txt d|delete-text
mosuo-cli hex -|--case-sensitive --content
mosuo-cli hex --case-sensitive -|--content
mosuo-cli hex --content=cut.txt -|--case-sensitive
mosuo-cli hex -- -|
mosuo-cli hex -- in|input.txt
mosuo-cli delete-text --content c|cut.txt
mosuo-cli delete-text --content cut.txt |cut.txt input.txt
mosuo-cli spaces in|input.txt
mosuo-cli spaces input.txt |
mosuo-cli --help |
CASES
      exit $status
    ' _ "$script" "$root.completion-files" 2>&1 | tee "$root.completion" >&2 || true
    [[ ! -s $root.completion ]] || fail "bash completion gave wrong candidates"
    ;;

  cli)
    [[ $cli == 1 ]] || skip "mosuo-cli is not built yet"
    need_root
    tool=$root/usr/bin/mosuo-cli
    help=$("$tool" --help) || fail "mosuo-cli --help failed"
    [[ -n $help ]] || fail "mosuo-cli --help printed nothing"
    for word in "${cli_commands[@]}" --case-sensitive --content; do
      grep -qw -- "$word" <<<"$help" || fail "mosuo-cli --help does not mention $word"
    done
    "$tool" --version | grep -qF "$version" || fail "mosuo-cli --version does not print $version"
    [[ $(printf 'AB' | "$tool" hex) == "41 42" ]] || fail "the installed mosuo-cli does not convert AB to 41 42"
    ;;

  package)
    out=$root.package
    rm -rf "$out"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 ||
      { cat "$out.log" >&2; fail "cpack -G DEB failed"; }
    deb=$out/mosuo_${version}_$(dpkg --print-architecture).deb
    [[ -f $deb ]] || fail "cpack made no $deb"
    listing=$(dpkg-deb -c "$deb")
    same_lists "the package's file list" "$(expected_files)" \
      "$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | LC_ALL=C sort)"
    awk '$1 !~ /^d/ && $2 != "root/root" { print; bad = 1 } END { exit bad }' <<<"$listing" ||
      fail "files above are not owned by root"
    awk '$1 !~ /^d/ && $1 != ($6 ~ /^\.\/usr\/bin\// ? "-rwxr-xr-x" : "-rw-r--r--") { print; bad = 1 }
         END { exit bad }' <<<"$listing" || fail "files above have the wrong mode"

    field() { dpkg-deb -f "$deb" "$1"; }
    [[ $(field Package) == mosuo ]] || fail "Package is $(field Package)"
    [[ $(field Version) == "$version" ]] || fail "Version is $(field Version)"
    [[ $(field Recommends) == *fonts-noto-cjk* ]] || fail "Recommends lacks fonts-noto-cjk"
    depends=$(field Depends)
    echo "Depends: $depends"
    if [[ $window == 1 || $cli == 1 ]]; then
      [[ $depends == *libc6* ]] || fail "Depends was not computed from the binaries"
    fi
    if [[ $window == 1 ]]; then
      [[ $depends == *libqt6widgets6* ]] || fail "Depends lacks Qt Widgets"
      [[ $depends == *libqt6svg6* ]] || fail "Depends lacks the SVG plugins that draw the window icon"
    fi
    dpkg-deb -x "$deb" "$out/unpacked"
    for program in "$out"/unpacked/usr/bin/*; do
      [[ -e $program ]] || continue
      # a run path in /usr/bin would make the loader search beside the program first
      if readelf --dynamic "$program" | grep -E 'RPATH|RUNPATH'; then
        fail "${program##*/} carries a run path"
      fi
    done
    if [[ $cli == 1 ]]; then
      # the packaged binary is stripped: make sure it still runs
      "$out/unpacked/usr/bin/mosuo-cli" --help >/dev/null || fail "the packaged mosuo-cli does not run"
    fi
    ;;

  *)
    fail "unknown check $check"
    ;;
esac
echo "ok: $check"
