#!/usr/bin/env bash
# The Windows downloads of a cross-build: the portable folder vaspo-VERSION-win64/ zipped, and
# the per-user installer made from windows/vaspo.nsi with the same files.
#   bash windows/package.sh BUILD QT_FOR_WINDOWS ZIP SETUP
# The folder holds vaspo.exe, the DLLs it and its plugins import (followed with objdump, less
# Windows' own), the plugins Qt loads at run time, Qt's Japanese and English texts, qt.conf and
# the help. Before it is zipped it is started under Wine in a prefix of its own, without the
# build's WINEPATH, and must load every DLL from itself or from Windows, and Qt's texts from itself.
set -euo pipefail
if (($# != 4)); then
  echo "usage: bash windows/package.sh BUILD QT_FOR_WINDOWS ZIP SETUP" >&2
  exit 2
fi
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=$(realpath "$1") QT=$(realpath "$2") ZIP=$(realpath -m "$3") SETUP=$(realpath -m "$4")
source "$HERE/../scripts/common.sh"  # ROOT, ensure_packages
# locales: the definitions from which a Japanese and an English session are made for Wine.
ensure_packages binutils-mingw-w64-x86-64 python3 zip nsis wine64 xdotool locales
VERSION=$(sed -n 's/^project(vaspo VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
NAME=vaspo-$VERSION-win64
WORK=$BUILD/package
STAGE=$WORK/$NAME
MINGW_DLLS=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
# What Wine offers as Windows' own DLLs (kernel32, user32, d3d11...): never shipped.
WINDOWS_DLLS=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
# The plugins the program needs at run time, as WINEDEBUG=+loaddll showed with the tank, its
# dialogs, the background chooser and the album open: the window system and the style. Qt loads
# every imageformats plugin it finds to ask each about a picture, but uses none: the pictures are
# BMP (RLE too) and XPM, which QtGui reads itself, and the album and the chooser show them
# without any imageformats plugin.
PLUGINS=(platforms/qwindows.dll styles/qwindowsvistastyle.dll)
# Qt's own texts (the text fields' menu, the standard buttons) in the program's two languages.
QT_TEXTS=(/usr/share/qt6/translations/qtbase_ja.qm /usr/share/qt6/translations/qtbase_en.qm)

fail() {
  echo "package.sh: $*" >&2
  exit 1
}

imports() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

# The file a DLL name stands for, from Qt's bin and MinGW's runtime folders (Windows matches
# names without regard to case); nothing for one of Windows' own.
find_dll() {
  local dir found
  for dir in "$QT/bin" "${MINGW_DLLS[@]}"; do
    found=$(find "$dir" -maxdepth 1 -iname "$1" -print -quit)
    [[ -n $found ]] && { echo "$found"; return; }
  done
  # api-ms-win-* names are API sets, which Windows' loader maps onto its own DLLs.
  [[ ${1,,} == api-ms-win-* || -n $(find "$WINDOWS_DLLS" -maxdepth 1 -iname "$1" -print -quit) ]] ||
    fail "$1 is neither Qt's, MinGW's nor one of Windows' own DLLs"
}

# Every DLL that the given files need, directly or through one another, once each.
declare -A SHIPPED=()
collect_dlls() {
  local file name dll
  for file in "$@"; do
    for name in $(imports "$file"); do
      dll=$(find_dll "$name")
      if [[ -n $dll && -z ${SHIPPED[$(basename "$dll")]:-} ]]; then
        SHIPPED[$(basename "$dll")]=$dll
        collect_dlls "$dll"
      fi
    done
  done
}

stage() {
  rm -rf "$WORK"
  mkdir -p "$STAGE/translations"
  local plugin
  cp "$BUILD/vaspo.exe" "$BUILD/VASPO.HLP" "$BUILD/VASPO_en.HLP" "$STAGE/"
  for plugin in "${PLUGINS[@]}"; do
    mkdir -p "$STAGE/plugins/$(dirname "$plugin")"
    cp "$QT/plugins/$plugin" "$STAGE/plugins/$plugin"
  done
  collect_dlls "$BUILD/vaspo.exe" "${PLUGINS[@]/#/$QT/plugins/}"
  cp "${SHIPPED[@]}" "$STAGE/"
  # Symbols and debug sections are of no use to the program's users: a smaller download.
  find "$STAGE" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip {} +
  cp "${QT_TEXTS[@]}" "$STAGE/translations/"
  # Qt's folders, relative to vaspo.exe. Qt would guess the same from Qt6Core.dll lying beside
  # vaspo.exe; said here, it does not depend on that guess.
  printf '[Paths]\r\nPrefix=.\r\nPlugins=plugins\r\nTranslations=translations\r\n' > "$STAGE/qt.conf"
  echo "The folder $NAME/:"
  (cd "$STAGE" && find . -type f | sed 's|^\./|  |' | sort)
}

# The program's own description, as Explorer will show it.
check_version_info() {
  local info
  info=$(python3 "$HERE/peinfo.py" "$STAGE/vaspo.exe")
  local expected
  for expected in subsystem=gui "FileVersion=$VERSION" "ProductVersion=$VERSION" ProductName=ばすぽう \
    FileDescription=ばすぽう OriginalFilename=vaspo.exe icon=16,24,32,48,64,128,256; do
    grep -qxF "$expected" <<< "$info" || fail "vaspo.exe lacks $expected; it carries:"$'\n'"$info"
  done
  echo "vaspo.exe carries its icon and version $VERSION"
}

make_zip() {
  rm -f "$ZIP"
  mkdir -p "$(dirname "$ZIP")"
  (cd "$WORK" && zip -q -r -X "$ZIP" "$NAME")
  echo "$ZIP: $(du -k "$ZIP" | cut -f1) KB"
}

tmp=""
cleanup() {
  if [[ -n $tmp ]]; then
    wineserver -k 2> /dev/null || true
    rm -rf "$tmp"
  fi
}

# The zip's program started as a user would start it after unzipping: a fresh Wine prefix, no
# WINEPATH, once in Japanese and once in English. It must show its first window, load each DLL
# from its folder or from Windows' system folder (never from the build's Qt or MinGW) and open
# Qt's texts of that language from its folder.
check_unzipped() {
  [[ -n ${DISPLAY:-} ]] || fail "no DISPLAY to start the program on"
  tmp=$(mktemp -d /tmp/vaspo-package.XXXXXX)
  trap cleanup EXIT
  python3 -m zipfile -e "$ZIP" "$tmp"
  # winemenubuilder would put what Wine sees into this machine's own menus.
  export WINEPREFIX=$tmp/prefix WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  unset WINEPATH
  wineboot -i > /dev/null 2>&1
  # Wine takes the session's language from the locale, which need not be installed here.
  export LOCPATH=$tmp/locale
  mkdir -p "$LOCPATH"
  localedef -i ja_JP -c -f UTF-8 "$LOCPATH/ja_JP.UTF-8"
  localedef -i en_US -c -f UTF-8 "$LOCPATH/en_US.UTF-8"
  local folder lang title qm log loaded outside plugin
  folder=$(winepath -w "$tmp/$NAME" 2> /dev/null)
  for lang in ja_JP.UTF-8 en_US.UTF-8; do
    if [[ $lang == ja* ]]; then title="はじめまして！" qm=qtbase_ja.qm; else title="Nice to meet you" qm=qtbase_en.qm; fi
    log=$tmp/$lang.log
    (cd "$tmp/$NAME" && LANG=$lang LC_ALL=$lang WINEDEBUG=+loaddll,+file wine vaspo.exe > "$log" 2>&1 &)
    # The welcome box of a first start.
    timeout 60 xdotool search --sync --onlyvisible --name "$title" > /dev/null ||
      fail "under $lang no window titled \"$title\" appeared; Wine said:"$'\n'"$(grep -v ':trace:' "$log" | tail -20)"
    wineserver -k
    wineserver -w
    # Wine's traces double each backslash.
    sed -i 's/\\\\/\\/g' "$log"
    loaded=$(sed -n 's/.*:loaddll:.*Loaded L"\([^"]*\)".*/\1/p' "$log" | sort -u)
    outside=$(grep -v -i -F -e "$folder\\" -e 'C:\windows\system32\' <<< "$loaded" || true)
    [[ -z $outside ]] || fail "under $lang these DLLs came from outside the folder and Windows:"$'\n'"$outside"
    for plugin in "${PLUGINS[@]}"; do
      grep -qixF "$folder\\plugins\\${plugin/\//\\}" <<< "$loaded" || fail "under $lang plugins/$plugin was not loaded"
    done
    grep -qiF "CreateFileW L\"\\\\?\\$folder\\translations\\$qm\"" "$log" ||
      fail "under $lang translations\\$qm was not opened"
    echo "Unzipped, under $lang: the first window; $(wc -l <<< "$loaded") DLLs, each from the folder or Windows; Qt's texts from translations\\$qm"
  done
}

make_setup() {
  local files=$WORK/files.nsh dir file
  # The folder's files for the installer, and the exact list of them that its uninstaller removes.
  {
    echo '!macro InstallFiles'
    while IFS= read -r dir; do
      echo "  SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\""
      find "$STAGE${dir:+/$dir}" -maxdepth 1 -type f | sort | sed 's|.*|  File "&"|'
    done < <(cd "$STAGE" && find . -type f -printf '%h\n' | sed 's|^\.||; s|^/||' | sort -u)
    echo '  SetOutPath "$INSTDIR"'
    echo '!macroend'
    echo '!macro RemoveFiles'
    (cd "$STAGE" && find . -type f | sed 's|^\./||' | sort) | while IFS= read -r file; do
      echo "  Delete \"\$INSTDIR\\${file//\//\\}\""
    done
    # Folders deepest first, each only when nothing else lies in it.
    (cd "$STAGE" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) | while IFS= read -r dir; do
      echo "  RMDir \"\$INSTDIR\\${dir//\//\\}\""
    done
    echo '!macroend'
  } > "$files"
  mkdir -p "$(dirname "$SETUP")"
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$VERSION" -DFILES="$files" -DICON="$ROOT/assets/windows/vaspo.ico" \
    -DOUTFILE="$SETUP" "$HERE/vaspo.nsi"
  echo "$SETUP: $(du -k "$SETUP" | cut -f1) KB"
}

stage
check_version_info
make_zip
check_unzipped
make_setup
