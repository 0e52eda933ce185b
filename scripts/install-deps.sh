#!/bin/sh
# Installs what building, running and testing need on Debian 12, and only
# what is missing, so a second run is quick and quiet.
set -e

PACKAGES="build-essential cmake pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools \
libqt5serialport5-dev libqrencode-dev lrzsz fonts-wqy-microhei fonts-dejavu-core xvfb xauth"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
