#!/usr/bin/env bash
# Installs the Debian packages the build needs; quiet when they are all present.
set -euo pipefail
# tzdata: the zones the time tests run under (see CMakeLists.txt); fonts-dejavu-core: the
# face the controls' fonts resolve to, so pictures are the same on every machine.
packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev libgl-dev
          fonts-dejavu-core googletest libgtest-dev libgmock-dev libbenchmark-dev tzdata)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
