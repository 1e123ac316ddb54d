#!/usr/bin/env bash
# Installs Helion's Debian package with apt on a clean Debian 12 root and checks that it works
# there as a fresh machine's user would find it: apt pulls every dependency, helion-cli answers
# and writes the same natal report as the reviewed text in tests/golden, helion names its version
# and starts, and the desktop entry starts an installed program.
#
# Builds the package first when build-package/ holds none. Needs root, debootstrap and Debian's
# archive (the first Debian mirror named in /etc/apt/sources.list*). Not part of `make test`:
# it takes ten minutes or more.
#
#   sudo tools/check-package.sh            # KEEP_ROOT=1 keeps the Debian root for a look inside
set -euo pipefail

cd "$(dirname "$0")/.."
build=${PACKAGE_BUILD:-build-package}
suite=bookworm

step() { printf '\n== %s\n' "$*"; }
fail() { printf 'FAILED: %s\n' "$*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "run as root (debootstrap and chroot need it)"
command -v debootstrap >/dev/null || fail "debootstrap is missing (make deps installs it)"

deb=$(ls "$build"/helion_*_amd64.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
    step "Building the package"
    make package
    deb=$(ls "$build"/helion_*_amd64.deb | head -n 1)
fi
step "Package $deb"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends

step "No path of the build machine in the installed programs"
unpacked=$(mktemp -d)
dpkg-deb --extract "$deb" "$unpacked"
for program in "$unpacked"/usr/bin/*; do
    if strings "$program" | grep -F -e "$PWD" -e "$(realpath "$build")"; then
        fail "$(basename "$program") names the build tree"
    fi
    echo "$(basename "$program"): clean"
done
rm -rf "$unpacked"

# Debian's own archive only: the first mirror of the main suite and of the security suite.
apt_uris() {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
        grep -v '^[[:space:]]*#' | grep -oE 'https?://[^][:space:]]+' | sed 's|/$||'
}
mirror=$(apt_uris | grep -E '/debian$' | head -n 1 || true)
security=$(apt_uris | grep -E '/debian-security$' | head -n 1 || true)
mirror=${mirror:-http://deb.debian.org/debian}

root=$(mktemp -d /var/tmp/helion-check-root.XXXXXX)
chmod 755 "$root"  # the root folder of the new system, which its users must be able to enter
mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}"; done
    if [ "${KEEP_ROOT:-0}" = 1 ]; then
        echo "The Debian root stays in $root"
    elif ! findmnt -rn -o TARGET | grep -q "^$root/"; then
        echo "Removing the Debian root $root"
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT

step "A clean Debian 12 root from $mirror (a few minutes)"
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.log" 2>&1 ||
    { tail -n 20 "$root.log"; fail "debootstrap"; }
rm -f "$root.log"
{
    echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    [ -z "$security" ] || echo "deb $security $suite-security main"
} >"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
mount --bind /dev "$root/dev" && mounts+=("$root/dev")
mount --bind /dev/pts "$root/dev/pts" && mounts+=("$root/dev/pts")

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
# A desktop user of the fresh machine, who cannot write to /usr/share/helion.
as_user() { chroot --userspec=alice:alice "$root" env -i PATH=/usr/bin:/bin HOME=/home/alice LANG=C.UTF-8 "$@"; }

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./$(basename "$deb")" \
    >"$root/tmp/apt.out" 2>&1 || { tail -n 30 "$root/tmp/apt.out"; fail "apt-get install"; }
sed -n '/^The following NEW/,/^[0-9]* upgraded/p' "$root/tmp/apt.out"
grep '^Setting up helion' "$root/tmp/apt.out"
in_root useradd --create-home alice

step "helion-cli --version"
as_user helion-cli --version || fail "helion-cli --version"

step "helion-cli report natal"
report="$root/tmp/natal.txt"
as_user helion-cli report natal --natal "Sample Chart,07 Mar 1952,10.30,A,5,74.00,40.43" \
    --diurnal "Today,06 Dec 2026,12.00,P,5,74.00,40.43" >"$report" || fail "helion-cli report natal"
head -n 12 "$report"
diff "$report" tests/golden/natal/north_west.txt | head -n 20
cmp -s "$report" tests/golden/natal/north_west.txt || fail "the natal report differs from tests/golden/natal/north_west.txt"
echo "... the same text as tests/golden/natal/north_west.txt"

step "helion --version (no display)"
as_user helion --version || fail "helion --version"

step "QT_QPA_PLATFORM=offscreen timeout 5 helion"
status=0
as_user env QT_QPA_PLATFORM=offscreen timeout 5 helion >"$root/tmp/helion.out" 2>&1 || status=$?
cat "$root/tmp/helion.out"
[ "$status" -eq 124 ] || fail "helion ended with status $status before the timeout"
echo "still running after 5 seconds (ended by timeout)"
ls "$root/home/alice/.local/share/helion" >/dev/null || fail "the per-user program folder was not made"
echo "program folder ~/.local/share/helion: $(ls "$root/home/alice/.local/share/helion" | wc -l) files"

step "Desktop entry and AppStream file"
entry="$root/usr/share/applications/helion.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry" | head -n 1)
found=$(in_root sh -c "command -v '$exec_program'") || fail "Exec=$exec_program is not an installed program"
echo "Exec=$exec_program -> $found"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"

step "All checks passed"
