#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, as CTest's emulator: the Qt and MinGW
# libraries are found through WINEPATH, in the Wine prefix the caller chose (WINEPREFIX).
# QtTest writes its log into a file under Wine (a pipe gets nothing), so each "-o FILE,FORMAT"
# file is printed once the program has ended.
set -u
: "${WINEPREFIX:?a private Wine prefix, made by scripts/windows.sh}"
export WINEDEBUG=${WINEDEBUG:--all}
# Wine keeps the host's QT_ variables from Windows programs; WINEQT_X reaches them as QT_X.
while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_')
logs=()
args=("$@")
for ((i = 1; i < ${#args[@]}; ++i)); do
  if [[ ${args[i - 1]} == -o && ${args[i]} == *,* && ${args[i]} != -,* ]]; then
    logs+=("${args[i]%,*}")
    rm -f "${args[i]%,*}"
  fi
done
wine "$@"
status=$?
for log in "${logs[@]}"; do
  [[ -f $log ]] && cat "$log"
done
exit "$status"
