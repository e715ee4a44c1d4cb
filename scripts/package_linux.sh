#!/usr/bin/env bash
# Builds the Debian package from the working tree into dist/konsola-grt8_<version>_<arch>.deb.
# The build happens in a scratch copy, since dpkg-buildpackage writes beside the source folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

version=$(dpkg-parsechangelog -S Version)
project_version=$(sed -n 's/^project(konsola_grt8 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ "$version" != "$project_version" ]; then
    echo "debian/changelog is at $version but CMakeLists.txt at $project_version:" \
        "add a changelog entry for $project_version" >&2
    exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source_copy="$scratch/konsola-grt8-$version"
mkdir "$source_copy"
git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null |
    tar -xf - -C "$source_copy"

mkdir -p dist
log="$root/dist/package.log"
(cd "$source_copy" &&
    DEB_BUILD_OPTIONS="nocheck noddebs parallel=$(nproc)" dpkg-buildpackage -b -us -uc) \
    > "$log" 2>&1 || { tail -n 40 "$log"; echo "Package build failed, see $log" >&2; exit 1; }

package="konsola-grt8_${version}_$(dpkg --print-architecture).deb"
mv "$scratch/$package" dist/
echo "dist/$package"
