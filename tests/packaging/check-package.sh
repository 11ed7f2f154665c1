#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it installs.
set -euo pipefail
build=$1
desktop-file-validate "$(dirname "$0")/../../packaging/quorvel.desktop"
cd "$build"
cpack -G DEB >/dev/null
package=$(ls -t quorvel_*.deb | head -n 1)
contents=$(dpkg-deb -c "$package")
for path in ./usr/bin/quorvel ./usr/share/applications/quorvel.desktop \
            ./usr/share/icons/hicolor/16x16/apps/quorvel.png ./usr/share/icons/hicolor/32x32/apps/quorvel.png \
            ./usr/share/icons/hicolor/scalable/apps/quorvel.svg; do
    grep -q " $path\$" <<<"$contents" || { echo "missing from $package: $path"; exit 1; }
done
depends=$(dpkg-deb -f "$package" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || { echo "Depends lacks Qt Widgets: $depends"; exit 1; }
echo "$package: executable, desktop entry and icons present; Depends: $depends"
