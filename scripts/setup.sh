#!/bin/sh
# Installs the Debian packages that building, testing and running Velmora need.
# Packages already present are skipped; apt-get runs as root or through sudo.
set -eu

PACKAGES="
build-essential cmake pkg-config
qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6test6 libgl-dev qt6-translations-l10n
libgtest-dev libgmock-dev libbenchmark-dev
libzip-dev zlib1g-dev libpoppler-cpp-dev libxml2-utils
fonts-liberation2 xdg-utils
libreoffice-writer-nogui poppler-utils
clang-14 libclang-rt-14-dev clang-format
desktop-file-utils shared-mime-info
xvfb xdotool
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "Zum Installieren von$missing werden Root-Rechte oder sudo gebraucht." >&2
    exit 1
fi

echo "Installiere:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
