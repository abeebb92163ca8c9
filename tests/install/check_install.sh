#!/usr/bin/env bash
# Installs the build stripped under a prefix with a blank in its name and checks what a desktop
# finds there: a valid desktop entry whose Exec names the installed launcher by its absolute path.
set -euo pipefail
build=$1
# cmake --install records what it installed in the build tree.
if [ ! -w "$build" ]; then
  echo "skipped: the build tree $build is not writable for this user" >&2
  exit 77
fi
prefix="$(mktemp -d)/my apps"
trap 'rm -rf "$(dirname "$prefix")"' EXIT
cmake --install "$build" --strip --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/qz-orbalinth.desktop"
desktop-file-validate "$entry"
exec_line="$(grep '^Exec=' "$entry")"
[ "$exec_line" = "Exec=\"$prefix/bin/qz-orbalinth\"" ] || { echo "wrong $exec_line" >&2; exit 1; }
[ -x "$prefix/bin/qz-orbalinth" ] && [ -x "$prefix/lib/qz-orbalinth/QZFreeOrbalinth" ]
[ -f "$prefix/lib/qz-orbalinth/numerology.dll" ] && [ -f "$prefix/lib/qz-orbalinth/qz_dictionary_webview.so" ]
if readelf -S "$prefix/lib/qz-orbalinth/QZFreeOrbalinth" | grep -q '\.debug_info'; then
  echo "the installed program is not stripped" >&2
  exit 1
fi
echo "installed and checked under $prefix"
