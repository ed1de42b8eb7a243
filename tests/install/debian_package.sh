#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks its name and
# that it holds the programs and their data.
#
#   debian_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
arch=$(dpkg --print-architecture)
package="$work/sorvex_${version}_${arch}.deb"
[ -f "$package" ] || { echo "FAIL: no $package" >&2; ls "$work" >&2; exit 1; }
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
for file in ./usr/bin/sorvex ./usr/bin/sorvex-judge ./usr/share/sorvex/r1.bmp ./usr/share/sorvex/sorvex.txt \
    ./usr/share/man/man1/sorvex.1 ./usr/share/applications/io.github.sorvex.Sorvex.desktop; do
    grep -qx -- "$file" <<<"$contents" || { echo "FAIL: $file not in the package" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$package" Depends)
for dependency in fonts-ipafont-gothic libqt6widgets6; do
    grep -q "$dependency" <<<"$depends" || { echo "FAIL: Depends lacks $dependency: $depends" >&2; exit 1; }
done
echo "$(basename "$package"): Depends: $depends"
