#!/usr/bin/env bash
# Builds the Debian packages from an existing build directory, installs them on this machine,
# and checks the installed copy: the program starts and keeps running, its desktop entry and
# AppStream metadata are valid, and a scenario passes against the installed program's code.
# The packages are removed again at the end. Needs root, or sudo without a password.
#
#   bash scripts/check-package.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
start=$SECONDS
id=org.matravel.Matravel

say() { echo "check-package: $*"; }
log=$(mktemp)
# Runs a command, showing what it printed only when it fails.
quiet() { "$@" >"$log" 2>&1 || { local rc=$?; cat "$log"; return $rc; }; }

if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo="sudo"
else
  say "skipped: installing the package needs root or sudo without a password"
  exit 0
fi
if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-shlibdeps >/dev/null 2>&1; then
  say "skipped: needs apt-get and dpkg-shlibdeps (dpkg-dev)"
  exit 0
fi
if [ ! -f "$build/CPackConfig.cmake" ]; then
  say "no configured build in $build" >&2
  exit 1
fi

# The packages.
rm -f "$build"/matravel*.deb
(cd "$build" && quiet cpack -G DEB)
program=$(realpath "$build"/matravel_*.deb)
tests=$(realpath "$build"/matravel-tests_*.deb)
say "built $(basename "$program") and $(basename "$tests")"

remove() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq matravel matravel-tests >/dev/null 2>&1 || true; }
trap remove EXIT

# Installed the way a user would, dependencies and all.
install() {
  quiet $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "$program" "$tests"
}
if ! install; then
  quiet $sudo apt-get update -qq
  install
fi
say "installed"

failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    say "ok: $what"
  else
    say "FAIL: $what"
    failed=$((failed + 1))
  fi
}

for f in /usr/bin/matravel /usr/share/applications/$id.desktop \
         /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/man/man1/matravel.1 /usr/lib/matravel/matravel-scenario; do
  check "$f is installed" test -s "$f"
done
check "every library of /usr/bin/matravel is found" bash -c '! ldd /usr/bin/matravel | grep -q "not found"'

# A clean environment: nothing from this shell or the build tree; no display at all ("bare").
sandbox=$(mktemp -d)
bare=(env -i PATH=/usr/bin:/bin HOME="$sandbox" XDG_RUNTIME_DIR="$sandbox")
clean=("${bare[@]}" QT_QPA_PLATFORM=offscreen)

# The program starts and is still running after a few seconds (timeout's 124).
started() {
  local rc=0
  (cd "$sandbox" && "${clean[@]}" timeout 5 /usr/bin/matravel >"$sandbox/run.log" 2>&1) || rc=$?
  [ "$rc" -eq 124 ] || { cat "$sandbox/run.log"; echo "exit status $rc"; return 1; }
}
check "/usr/bin/matravel starts and keeps running" started

# The desk check from the command line, with no display at all.
exported() {
  (cd "$sandbox" && "${bare[@]}" /usr/bin/matravel --problema 08 --entrada X=0.23 \
    --exportar selos.csv >"$sandbox/run.log" 2>&1) || { cat "$sandbox/run.log"; return 1; }
  grep -q '^3;0;1;4;' "$sandbox/selos.csv"
}
check "/usr/bin/matravel --exportar writes the desk check with no display" exported

check "desktop entry is valid" quiet desktop-file-validate /usr/share/applications/$id.desktop
if command -v appstreamcli >/dev/null 2>&1; then
  check "AppStream metadata is valid" quiet appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml
else
  say "AppStream check skipped: appstreamcli is not installed"
fi

# The installed scenario runner plays the installed scenarios: the help, which opens every
# problem window from the menu, and the start of the program.
scenario() {
  (cd "$sandbox" && "${clean[@]}" /usr/lib/matravel/matravel-scenario "$1" >"$sandbox/scenario.log" 2>&1) ||
    { grep -v '^ok ' "$sandbox/scenario.log"; return 1; }
}
for s in help/sections shell/startup; do
  check "installed scenario $s passes" scenario /usr/share/matravel-tests/scenarios/$s.scn
done
rm -rf "$sandbox" "$log"

say "$failed failed, $((SECONDS - start)) s"
[ "$failed" -eq 0 ]
