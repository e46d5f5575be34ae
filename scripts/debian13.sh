#!/usr/bin/env bash
# Runs the fast test suite on Debian 13 (trixie) in a chroot made once by mmdebstrap and kept.
# Usage: debian13.sh [COMMAND ...]: with a command, runs it in the source tree there instead
# (scripts/debian13.sh ctest --test-dir build-debian13 -R orca). The chroot lives in $GUS_DEBIAN13_ROOT (default /srv/gusanicida/debian13)
# and is reused on every later run, its packages brought up to scripts/install-deps.sh first.
# The source tree is bind-mounted at /gusanicida and built in build-debian13/. Everything is
# mounted inside a mount namespace of the run's own, so every mount goes with the run however
# it ends; the tests also get a process and a network namespace of their own (their Xvfb and
# Orca never meet another run's). Needs root; without it the part is skipped, and says so.
set -euo pipefail

root="${GUS_DEBIAN13_ROOT:-/srv/gusanicida/debian13}"
mirror="${GUS_DEBIAN13_MIRROR:-http://deb.debian.org/debian}"
src="$(cd "$(dirname "$0")/.." && pwd)"
inner=/gusanicida
chroot_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

skipped() {
    echo "*** Debian 13 part SKIPPED, NOT tested: $1" >&2
    exit 0
}

# Inside the run's mount and process namespaces: mount, refresh the packages, run the suite.
if [ "${1:-}" = --inside ]; then
    shift
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
    mkdir -p "$root$inner"
    mount --bind "$src" "$root$inner"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    run_env=(/usr/bin/env -i PATH="$chroot_path" HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}"
        CCACHE_DIR=/var/cache/gusanicida-ccache CCACHE_BASEDIR="$inner"
        CMAKE_CXX_COMPILER_LAUNCHER=ccache GUS_ORCA_REQUIRED=1
        # Built and checked by lintian here too; the two-builds comparison runs on the host
        # alone, which keeps the whole of `make test` inside CI's time.
        GUS_PACKAGE_BUILDS=1)
    # One run at a time changes the chroot's packages; a package added to the list later is
    # installed here.
    (
        flock 9
        chroot "$root" "${run_env[@]}" bash -c "cd $inner && scripts/install-deps.sh &&
            { command -v ccache >/dev/null || apt-get install -y -qq --no-install-recommends ccache; }"
    ) 9>"$root.lock"
    # No network for the tests: their X server's abstract socket is then theirs alone.
    [ $# -gt 0 ] || set -- make test-fast BUILD=build-debian13 JOBS="$(nproc)"
    unshare --net -- chroot "$root" "${run_env[@]}" bash -c 'cd "$0" && exec "$@"' "$inner" "$@"
    exit 0
fi

[ "$(id -u)" -eq 0 ] || skipped "it needs root (mmdebstrap, chroot and mounts); run 'sudo make test-debian13'"
for tool in unshare chroot flock; do
    command -v "$tool" >/dev/null || skipped "$tool is not installed"
done
start=$SECONDS
if [ ! -x "$root/usr/bin/cmake" ]; then
    if ! command -v mmdebstrap >/dev/null; then
        echo "Installing mmdebstrap to make the Debian 13 chroot"
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends mmdebstrap; } ||
            skipped "mmdebstrap is not installed and could not be installed"
    fi
    echo "Making the Debian 13 chroot in $root (once; kept for the next runs)"
    mkdir -p "$(dirname "$root")"
    packages="$("$src/scripts/install-deps.sh" --list | tr ' ' ,),ccache"
    (
        flock 9
        [ -x "$root/usr/bin/cmake" ] && exit 0  # made meanwhile by another run
        if [ -e "$root" ]; then
            echo "$root exists but is no build chroot: remove it or set GUS_DEBIAN13_ROOT" >&2
            exit 1
        fi
        # Made aside and moved into place whole: a run cut short leaves no half-made chroot.
        rm -rf "$root.new"
        mmdebstrap --variant=apt --include="$packages" trixie "$root.new" "$mirror"
        mv "$root.new" "$root"
    ) 9>"$root.lock"
    echo "Debian 13 chroot made in $((SECONDS - start)) s"
fi
unshare --mount --propagation private --pid --fork -- "$0" --inside "$@"
echo "*** Debian 13 part passed (${*:-make test-fast} in $root) in $((SECONDS - start)) s"
