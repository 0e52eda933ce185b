#!/bin/sh
# Installs what building, running and testing need on Debian 12, and only
# what is missing, so a second run is quick and quiet.
set -e

PACKAGES="build-essential cmake pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools \
libqt5serialport5-dev libqrencode-dev qttranslations5-l10n lrzsz fonts-wqy-microhei fonts-dejavu-core fonts-droid-fallback xvfb xauth"

# Node.js and npm run the font converter. A Node.js from elsewhere (whose own package
# brings npm and conflicts with Debian's npm) counts when its commands are there.
command -v node >/dev/null 2>&1 || PACKAGES="$PACKAGES nodejs"
command -v npm >/dev/null 2>&1 || PACKAGES="$PACKAGES npm"

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

# The font converter, from the npm registry.
if [ "$(lv_font_conv --version 2>/dev/null)" != "1.5.3" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    echo "Installing: lv_font_conv 1.5.3"
    $SUDO npm install -g --no-fund --no-audit lv_font_conv@1.5.3 >/dev/null
fi
