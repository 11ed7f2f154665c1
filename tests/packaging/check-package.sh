#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it as a distribution would:
# lintian finds nothing to say, the metainfo and the desktop entry are valid, and the
# package holds what software centres and docks look for. Then builds it twice more from two
# copies of the sources, as two clones elsewhere would, and finds the two packages the same.
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
packaging="$source/packaging"
desktop-file-validate "$packaging/example.quorvel.quorvel.desktop"
appstreamcli validate --pedantic --no-net "$build/packaging/example.quorvel.quorvel.metainfo.xml"
cd "$build"
cpack -G DEB >/dev/null
package=$(ls -t quorvel_*.deb | head -n 1)
# A package of the same commit built at another time is the same, byte for byte: here, from
# the same files with new times.
built=$(sha256sum < "$package")
find bin lib packaging -type f -exec touch {} +
cpack -G DEB >/dev/null
[ "$(sha256sum < "$package")" = "$built" ] || { echo "$package differs when built again from the same files"; exit 1; }
contents=$(dpkg-deb -c "$package")
for path in ./usr/bin/quorvel ./usr/share/applications/example.quorvel.quorvel.desktop \
            ./usr/share/metainfo/example.quorvel.quorvel.metainfo.xml ./usr/share/man/man1/quorvel.1.gz \
            ./usr/share/doc/quorvel/copyright ./usr/share/doc/quorvel/changelog.gz \
            ./usr/share/icons/hicolor/scalable/apps/quorvel.svg; do
    grep -q " $path\$" <<<"$contents" || { echo "missing from $package: $path"; exit 1; }
done
for size in 16 32 48 64 128 256; do
    grep -q " ./usr/share/icons/hicolor/${size}x${size}/apps/quorvel.png\$" <<<"$contents" \
        || { echo "missing from $package: the ${size}x${size} icon"; exit 1; }
done
# The program finds its printing module where the build tree, laid out as installed, has it.
unpacked=$(mktemp -d "$PWD/unpacked.XXXXXX")
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
for module in lib/*/quorvel/printing.so lib/quorvel/printing.so; do
    [ -f "$module" ] && break
done
[ -f "$unpacked/usr/$module" ] || { echo "missing from $package: /usr/$module, where the program looks"; exit 1; }
depends=$(dpkg-deb -f "$package" Depends)
for face in fonts-liberation fonts-liberation2 fonts-dejavu-extra; do
    grep -q "$face\b" <<<"$depends" || { echo "Depends lacks the forms' face $face: $depends"; exit 1; }
done
grep -q 'StartupWMClass=quorvel' "$packaging/example.quorvel.quorvel.desktop" \
    || { echo "the desktop entry does not name the window class, quorvel"; exit 1; }
# Run as root (CI), lintian wants to know that this is deliberate.
findings=$(lintian --allow-root -EvI --pedantic --no-tag-display-limit "$package" 2>&1 | grep -E '^[EWIPX]: ' || true)
if [ -n "$findings" ]; then
    echo "lintian: $findings"
    exit 1
fi
echo "$package: lintian clean; metainfo and desktop entry valid; Depends: $depends"

# The same package anywhere: the sources as they are now (what git would commit, untracked
# files included, ignored ones not), copied one after the other into folders of different
# names and depths, so that every file has another time, and each built there from scratch in
# another time zone and language and under another umask. The two packages must be the same,
# byte for byte. The copies live in this build tree, and go when they match.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
copies="$build/reproducible"
rm -rf "$copies"
package_from_copy() { # FOLDER UMASK TZ LANG: the package's file, built in a copy in FOLDER
    local folder=$1
    mkdir -p "$folder"
    git -C "$source" ls-files -z --cached --others --exclude-standard \
        | (cd "$source" && tar --null --files-from=- --ignore-failed-read -cf -) | tar -xmf - -C "$folder"
    (
        umask "$2"
        export TZ=$3 LANG=$4 LC_ALL=$4
        unset SOURCE_DATE_EPOCH
        cmake -S "$folder" -B "$folder/build" -DCMAKE_BUILD_TYPE="$build_type" -DBUILD_TESTING=OFF \
              -DQUORVEL_CHECK_HEADERS=OFF >/dev/null
        cmake --build "$folder/build" --parallel "$(nproc)" >/dev/null
        cd "$folder/build" && cpack -G DEB >/dev/null
    )
    ls "$folder"/build/quorvel_*.deb
}
first=$(package_from_copy "$copies/one" 022 UTC C.UTF-8)
second=$(package_from_copy "$copies/second/a-copy-with-a-longer-name" 002 Pacific/Kiritimati C)
hashes=$(sha256sum "$first" "$second")
if ! cmp -s "$first" "$second"; then
    echo "two builds of the same sources differ (diffoscope shows how):"$'\n'"$hashes"
    exit 1
fi
echo "the same package from two copies of the sources:"$'\n'"$hashes"
rm -rf "$copies"
