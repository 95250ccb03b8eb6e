# The program's version, read from project() in CMakeLists.txt, the one place it is written.
# shellcheck shell=bash

quillon_version() {
    local version
    version=$(sed -n 's/^project(Quillon VERSION \([0-9.]*\).*/\1/p' \
        "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")
    if [ -z "$version" ]; then
        echo "quillon_version: CMakeLists.txt has no project(Quillon VERSION ...)" >&2
        return 1
    fi
    echo "$version"
}
