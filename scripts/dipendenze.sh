#!/usr/bin/env bash
# Installs the Debian packages the build needs, and those named as arguments, when some are
# missing.
set -euo pipefail
pacchetti=("$@" build-essential cmake libgtest-dev qt6-base-dev qt6-websockets-dev openssl
    fonts-dejavu-core appstream desktop-file-utils qt6-translations-l10n qt6-tools-dev
    qt6-l10n-tools xvfb x11-utils chromium chromium-driver python3-selenium)
mancanti=()
for p in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
    echo "Installo: ${mancanti[*]}"
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${mancanti[@]}"
fi
