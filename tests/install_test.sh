#!/usr/bin/env bash
# Installs the game into a throw-away prefix and checks that every file lands
# where the desktop entry, the metainfo and the game itself look for it, and
# that both validators accept what a desktop reads.
#   install_test.sh BUILD_DIR SOURCE_DIR DATA_LOOKUP_PROBE INSTALLED_DATA_DIR
set -uo pipefail
build_dir=$1 source_dir=$2 probe=$3 installed_dir=$4 failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The probe reports paths through /proc/self/exe, which has every link resolved.
scratch=$(cd "$(mktemp -d)" && pwd -P) prefix=$scratch/prefix
# cmake --install rewrites the build folder's install manifest; a real
# install's list is put back so that it can still be undone.
manifest=$build_dir/install_manifest.txt
[[ -f "$manifest" ]] && cp -p "$manifest" "$scratch/manifest"
trap '[[ -f "$scratch/manifest" ]] && mv -f "$scratch/manifest" "$manifest" || rm -f "$manifest"; rm -rf "$scratch"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

app_id=org.lumitile.lumitile desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml svg=share/icons/hicolor/scalable/apps/$app_id.svg
value() { sed -n "s/^$1=//p" "$prefix/$desktop" | head -n 1; }
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3*256 + $4, $7*256 + $8 }'; }
xml() { sed -n "s:.*<$1\\( [^>]*\\)\\{0,1\\}>\\([^<]*\\)</$1>.*:\\2:p" "$prefix/$metainfo" | head -n 1; }

data_names=(np1.wav np2.wav Lumihlp.html Lumihlp_en.html)
expected=("$desktop" "$metainfo" "$svg" bin/lumitile share/man/man6/lumitile.6 "${data_names[@]/#/share/lumitile/}")
[[ -f "$prefix/$desktop" ]] || { fail "no desktop entry $desktop"; exit 1; }
# Icon= names a theme icon, Exec= a program on PATH.
[[ $(value Icon) == "$app_id" && $(value Exec) == lumitile && $(value TryExec) == lumitile ]] ||
  fail "desktop entry: Icon=$(value Icon) Exec=$(value Exec) TryExec=$(value TryExec)"
[[ -x "$prefix/bin/lumitile" ]] || fail "bin/lumitile is not an executable"
for size in 16 32 48 64 128 256; do
  png=share/icons/hicolor/${size}x${size}/apps/$app_id.png
  expected+=("$png")
  [[ $(png_size "$prefix/$png" 2>/dev/null) == "${size}x${size}" ]] || fail "icon $png is missing or not ${size}x${size}"
done
grep -q '<svg' "$prefix/$svg" 2>/dev/null || fail "icon $svg is missing or holds no SVG"
[[ $(xml id) == "$app_id" && $(xml launchable) == "$app_id.desktop" && $(xml binary) == lumitile ]] ||
  fail "metainfo: id $(xml id), launchable $(xml launchable), binary $(xml binary)"
for name in "${data_names[@]}"; do
  cmp -s "$source_dir/assets/$name" "$prefix/share/lumitile/$name" || fail "share/lumitile/$name is not assets/$name"
done
if command -v groff >/dev/null; then
  warnings=$(groff -man -Tutf8 -ww -z "$prefix/share/man/man6/lumitile.6" 2>&1)
  [[ -z "$warnings" ]] || fail "manual page: $warnings"
fi

# Nothing else may be installed: no test, tool or build leftovers.
actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's:^\./::' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort -u)
[[ "$actual" == "$wanted" ]] || fail "installed files differ (< expected, > installed): $(diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]')"

# Both validators must be there and accept the files: a missing one fails.
desktop-file-validate "$prefix/$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$prefix/$metainfo" >"$scratch/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$scratch/appstream.log")"

# A program in the prefix's bin finds its files in ../share/lumitile, so any prefix works.
cp "$probe" "$prefix/bin/data_lookup_probe"
found=$("$prefix/bin/data_lookup_probe" "${data_names[@]}") || fail "the installed game misses files: $found"
[[ "$found" == "$(printf "$prefix/share/lumitile/%s\n" "${data_names[@]}")" ]] || fail "the installed game finds: $found"

# Started from a prefix it may write to (~/.local, say), the game reaches its
# window, closes, and keeps its records and game beside itself.
mkdir "$scratch/config"
shown=$(XDG_CONFIG_HOME=$scratch/config QT_QPA_PLATFORM=offscreen "$prefix/bin/lumitile" --show-and-quit 2>"$scratch/game.log") ||
  fail "the installed game did not start and quit: $shown $(cat "$scratch/game.log")"
[[ "$shown" == Lumitile:* && -f $prefix/bin/lumitile.ini && -f $prefix/bin/lumitile.sav && ! -e $scratch/config/lumitile ]] ||
  fail "the installed game shows '$shown' and keeps: $(ls -A "$prefix/bin" "$scratch/config")"

# A packager's staged install puts the files where the compiled-in data folder points.
[[ "$installed_dir" == /* ]] || fail "the compiled-in data folder '$installed_dir' is not absolute"
DESTDIR=$scratch/stage cmake --install "$build_dir" >"$scratch/stage.log" 2>&1 ||
  fail "cmake --install with DESTDIR: $(cat "$scratch/stage.log")"
for name in "${data_names[@]}"; do
  [[ -f "$scratch/stage$installed_dir/$name" ]] || fail "a staged install has no $installed_dir/$name"
done

((failures == 0)) || { echo "$failures install check(s) failed" >&2; exit 1; }
echo "install layout checks passed"
