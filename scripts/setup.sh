#!/usr/bin/env bash
# Sets up a Debian 12 machine for Matravel, builds it, and then starts it ("run") or runs
# every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

# qt6-translations-l10n: Qt's own dialogs and buttons in Portuguese.
packages=(qt6-base-dev qt6-translations-l10n cmake ninja-build g++ fonts-dejavu-core)
if [ "$mode" = test ]; then
  packages+=(clang libclang-rt-14-dev)
  # The package check: cpack with dpkg-shlibdeps, and the validators.
  packages+=(dpkg-dev file desktop-file-utils appstream)
  # The exported desk check is read back with pdftotext.
  packages+=(poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "setup: these packages are missing: ${missing[*]}" >&2
      echo "setup: installing them needs root; run this script as root, or install sudo" >&2
      exit 1
    fi
    sudo=sudo
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "$mode" = run ]; then
  # The program alone: the test tools are built by the test command.
  cmake --build build --target matravel
  exec ./build/matravel
fi
cmake --build build

# The Debian packages: built, installed, started and checked, then removed (skipped, with a
# message, without root or sudo).
bash scripts/check-package.sh build

export QT_QPA_PLATFORM=offscreen

# The number rules under libFuzzer, a short run per target (tests/fuzz/run.sh SECONDS for more).
bash tests/fuzz/run.sh 45

# The whole suite, soak included, under AddressSanitizer and UndefinedBehaviorSanitizer
# (leaks are reported at exit and fail the test).
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMATRAVEL_SANITIZE=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

# The whole suite on the program as built.
ctest --test-dir build --output-on-failure -j "$(nproc)"
