#!/usr/bin/env bash
# Installs the game into a throw-away prefix and checks that every file lands
# where the desktop entry, the metainfo and the game itself look for it.
#   install_test.sh BUILD_DIR SOURCE_DIR DATA_LOOKUP_PROBE
set -uo pipefail

if [[ $# -ne 3 ]]; then
  echo "usage: $0 BUILD_DIR SOURCE_DIR DATA_LOOKUP_PROBE" >&2
  exit 2
fi
build_dir=$1
source_dir=$2
probe=$3

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The probe reports paths through /proc/self/exe, which has every link resolved.
scratch=$(mktemp -d)
scratch=$(cd "$scratch" && pwd -P)

# cmake --install rewrites the build folder's install manifest; put back the
# one of a real install so that it can still be undone from that list.
manifest=$build_dir/install_manifest.txt
if [[ -f "$manifest" ]]; then
  cp -p "$manifest" "$scratch/install_manifest.txt"
  trap 'mv -f "$scratch/install_manifest.txt" "$manifest"; rm -rf "$scratch"' EXIT
else
  trap 'rm -f "$manifest"; rm -rf "$scratch"' EXIT
fi
prefix=$scratch/prefix

if ! cmake --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log" >&2
  echo "FAIL: cmake --install into a prefix" >&2
  exit 1
fi

# Value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
  awk -F= -v key="$2" '
    /^\[/ { in_entry = ($0 == "[Desktop Entry]"); next }
    in_entry && $1 == key { sub(/^[^=]*=/, ""); print; exit }
  ' "$1"
}

# Text of the first one-line element NAME (with any attributes) in an XML file.
xml_text() {
  sed -n "s:.*<$2\\( [^>]*\\)\\{0,1\\}>\\([^<]*\\)</$2>.*:\\2:p" "$1" | head -n 1
}

# Whether a PNG file is WIDTH x HEIGHT, read from its IHDR chunk.
png_size() {
  od -An -tu1 -j16 -N8 "$1" 2>/dev/null |
    awk '{ printf "%dx%d", $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}

expected=()

# --- desktop entry ---
shopt -s nullglob
desktop_files=("$prefix"/share/applications/*.desktop)
shopt -u nullglob
if [[ ${#desktop_files[@]} -ne 1 ]]; then
  fail "expected one desktop entry in share/applications, found ${#desktop_files[@]}"
  exit 1
fi
desktop=${desktop_files[0]}
desktop_name=$(basename "$desktop")
app_id=${desktop_name%.desktop}
expected+=("share/applications/$desktop_name")

icon=$(desktop_value "$desktop" Icon)
exec_line=$(desktop_value "$desktop" Exec)
exec_name=${exec_line%% *}
try_exec=$(desktop_value "$desktop" TryExec)

# Icon= names a theme icon, not a path, so the hicolor theme must hold it at
# every size the game ships and as a scalable picture.
[[ "$icon" == "$app_id" ]] || fail "Icon=$icon differs from the desktop id $app_id"
for size in 16 32 48 64 128 256; do
  file=share/icons/hicolor/${size}x${size}/apps/$icon.png
  expected+=("$file")
  if [[ ! -f "$prefix/$file" ]]; then
    fail "icon $file is not installed"
  elif [[ $(png_size "$prefix/$file") != "${size}x${size}" ]]; then
    fail "icon $file is $(png_size "$prefix/$file"), not ${size}x${size}"
  fi
done
file=share/icons/hicolor/scalable/apps/$icon.svg
expected+=("$file")
if [[ ! -f "$prefix/$file" ]]; then
  fail "icon $file is not installed"
elif ! grep -q '<svg' "$prefix/$file"; then
  fail "icon $file holds no SVG picture"
fi

# Exec= is looked up on PATH, so the binary must sit in the prefix's bin or games.
[[ "$exec_name" != */* ]] || fail "Exec=$exec_line names a path; an installed copy must not"
[[ -z "$try_exec" || "$try_exec" == "$exec_name" ]] || fail "TryExec=$try_exec differs from Exec=$exec_name"
binary=
for folder in bin games; do
  if [[ -e "$prefix/$folder/$exec_name" ]]; then
    binary=$folder/$exec_name
    break
  fi
done
if [[ -z "$binary" ]]; then
  fail "Exec=$exec_name: no such program in bin/ or games/ of the prefix"
else
  expected+=("$binary")
  [[ -f "$prefix/$binary" && -x "$prefix/$binary" ]] || fail "$binary is not an executable file"
fi

# --- metainfo ---
metainfo=share/metainfo/$app_id.metainfo.xml
expected+=("$metainfo")
if [[ ! -f "$prefix/$metainfo" ]]; then
  fail "metainfo $metainfo is not installed"
else
  [[ $(xml_text "$prefix/$metainfo" id) == "$app_id" ]] ||
    fail "metainfo id '$(xml_text "$prefix/$metainfo" id)' differs from $app_id"
  [[ $(xml_text "$prefix/$metainfo" launchable) == "$desktop_name" ]] ||
    fail "metainfo launchable '$(xml_text "$prefix/$metainfo" launchable)' is not the installed $desktop_name"
  [[ $(xml_text "$prefix/$metainfo" binary) == "$exec_name" ]] ||
    fail "metainfo provides binary '$(xml_text "$prefix/$metainfo" binary)', the desktop entry runs $exec_name"
fi

# --- the game's own files ---
data_names=(np1.wav np2.wav Lumihlp.html)
for name in "${data_names[@]}"; do
  file=share/lumitile/$name
  expected+=("$file")
  if [[ ! -s "$prefix/$file" ]]; then
    fail "data file $file is missing or empty"
  elif ! cmp -s "$source_dir/assets/$name" "$prefix/$file"; then
    fail "$file differs from assets/$name"
  elif [[ $name == *.wav && $(head -c 12 "$prefix/$file" | tr -c 'A-Z' '.') != RIFF....WAVE ]]; then
    fail "$file is not a WAVE file"
  elif [[ $name == *.html ]] && ! grep -qi '<html' "$prefix/$file"; then
    fail "$file is not an HTML document"
  fi
done

man_page=share/man/man6/lumitile.6
expected+=("$man_page")
if [[ ! -f "$prefix/$man_page" ]]; then
  fail "manual page $man_page is not installed"
else
  if command -v groff >/dev/null; then
    warnings=$(groff -man -Tutf8 -ww -z "$prefix/$man_page" 2>&1)
    [[ -z "$warnings" ]] || fail "manual page warnings: $warnings"
  fi
  if command -v lexgrog >/dev/null; then
    lexgrog "$prefix/$man_page" >/dev/null || fail "the manual page's NAME section cannot be read"
  fi
fi

# Nothing else may be installed: no test, tool or build leftovers.
actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's:^\./::' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort -u)
if [[ "$actual" != "$wanted" ]]; then
  fail "installed files differ from the expected layout (< expected, > installed):"
  diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]' >&2
fi

# --- validators ---
# Never skipped: a missing validator fails the check (scripts/install-deps test
# installs both), and each run says what it validated.
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps test)"
done
if ! output=$(desktop-file-validate "$desktop" 2>&1); then
  fail "desktop-file-validate: $output"
else
  echo "desktop-file-validate: $desktop_name valid${output:+: $output}"
fi
if [[ -f "$prefix/$metainfo" ]]; then
  if ! output=$(appstreamcli validate --no-net "$prefix/$metainfo" 2>&1); then
    fail "appstreamcli validate: $output"
  else
    echo "appstreamcli validate: $(basename "$metainfo") valid"
  fi
fi

# --- where the installed game finds its files ---
# A program in the prefix's bin searches ../share/lumitile before the folder
# compiled in, so this holds for any prefix, without starting the game.
mkdir -p "$prefix/bin"
cp "$probe" "$prefix/bin/data_lookup_probe"
if ! found=$("$prefix/bin/data_lookup_probe" "${data_names[@]}"); then
  fail "the installed game does not find all its files: $found"
else
  wanted_paths=$(for name in "${data_names[@]}"; do echo "$prefix/share/lumitile/$name"; done)
  [[ "$found" == "$wanted_paths" ]] || fail "the installed game finds its files elsewhere: $found"
fi

# A packager's staged install must put the files where the compiled-in data
# folder points, or a copy of the binary outside the prefix finds nothing.
installed_dir=$("$probe" --installed-dir)
stage=$scratch/stage
if [[ "$installed_dir" != /* ]]; then
  fail "the compiled-in data folder '$installed_dir' is not absolute"
elif ! DESTDIR=$stage cmake --install "$build_dir" >"$scratch/stage.log" 2>&1; then
  cat "$scratch/stage.log" >&2
  fail "cmake --install with DESTDIR"
else
  for name in "${data_names[@]}"; do
    [[ -f "$stage$installed_dir/$name" ]] ||
      fail "a staged install has no $name in the compiled-in data folder $installed_dir"
  done
fi

if [[ $failures -ne 0 ]]; then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "install layout checks passed"
