#!/usr/bin/env bash
# Runs the README's test command on a fresh system, as a new user would: makes a minimal
# Debian 12 root (debootstrap --variant=minbase bookworm) from the Debian mirror this
# machine's apt sources name, installs only git and ca-certificates in it, clones this
# checkout's committed HEAD into it and runs "MIRANDEL_TEST_STAGES=dev scripts/test.sh"
# there as root. The root is removed afterwards, whatever happens.
#   sudo scripts/fresh-root-test.sh
# MIRANDEL_FRESH_ROOT_SHOTS=<folder> also saves pictures of the seven windows drawn in the
# fresh root into that folder. MIRANDEL_FRESH_ROOT_KEEP=1 keeps the root for a look.
# Ends with one verdict line "stage fresh-root: passed|failed (...)"; the exit status is
# non-zero when it failed.
set -uo pipefail
cd "$(dirname "$0")/.."
checkout=$(pwd)

verdict() {
    echo "stage fresh-root: $*"
}
fail() {
    [ -n "${log:-}" ] && [ -s "$log" ] && tail -n 20 "$log"
    verdict "failed ($*)"
    exit 1
}

[ "$(id -u)" -eq 0 ] || fail "debootstrap and the mounts need root: run it with sudo"
for tool in debootstrap pivot_root git unshare findmnt curl; do
    command -v "$tool" >/dev/null || fail "$tool is missing on this machine"
done

# The first bookworm "main" source of apt's lists (deb822 .sources files, then
# sources.list).
debian_mirror() {
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk 'BEGIN { RS = ""; FS = "\n" }
             {
                 types = uris = suites = comps = ""
                 for (i = 1; i <= NF; i++) {
                     if ($i ~ /^#/) continue
                     split($i, kv, ":[ \t]*")
                     value = substr($i, length(kv[1]) + 2); sub(/^[ \t]*/, "", value)
                     if (kv[1] == "Types") types = value
                     if (kv[1] == "URIs") uris = value
                     if (kv[1] == "Suites") suites = value
                     if (kv[1] == "Components") comps = value
                 }
                 if ((" " types " ") ~ / deb / && (" " suites " ") ~ / bookworm / &&
                     (" " comps " ") ~ / main /) { split(uris, u, " "); print u[1]; exit }
             }' "$file"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n -E 's/^deb[ \t]+(\[[^]]*\][ \t]+)?([^ \t]+)[ \t]+bookworm[ \t]+.*main.*/\2/p' \
            /etc/apt/sources.list
    fi
}
mirror=$(debian_mirror | head -n 1)
[ -n "$mirror" ] || fail "no bookworm main source in /etc/apt/sources.list(.d): no mirror to use"
if ! curl -fsS --max-time 30 -o /dev/null "$mirror/dists/bookworm/Release" 2>/tmp/mirandel-mirror.$$; then
    reason=$(tr -d '\n' </tmp/mirandel-mirror.$$)
    rm -f /tmp/mirandel-mirror.$$
    fail "the Debian mirror $mirror cannot be reached: ${reason:-no answer}"
fi
rm -f /tmp/mirandel-mirror.$$

head=$(git -C "$checkout" rev-parse HEAD) || fail "$checkout is not a git checkout"
[ -z "$(git -C "$checkout" status --porcelain --untracked-files=no)" ] ||
    echo "Note: uncommitted changes in $checkout are not part of the test; HEAD $head is."

root=$(mktemp -d /var/tmp/mirandel-fresh-root.XXXXXX)
# It becomes "/" inside: other users (lp, which runs the print filters) must reach it.
chmod 0755 "$root"
log="$root.log"
# Unmounts whatever is mounted under the root, then removes it; never removes through a
# mount that is still there.
cleanup() {
    local mounts
    mapfile -t mounts < <(findmnt -rn -o TARGET | grep -F "$root/" | sort -r)
    for m in "${mounts[@]}"; do umount -l "$m" 2>/dev/null; done
    if [ "${MIRANDEL_FRESH_ROOT_KEEP:-0}" = 1 ]; then
        echo "The root is kept in $root."
    elif findmnt -rn -o TARGET | grep -qF "$root/"; then
        echo "Something is still mounted under $root: left in place."
    else
        rm -rf --one-file-system "$root"
    fi
    rm -f "$log"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

clock() {
    local t=$1
    echo "$((t / 60)) min $((t % 60)) s"
}

echo "=== fresh root: debootstrap --variant=minbase bookworm from $mirror ==="
start=$SECONDS
if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$log" 2>&1; then
    fail "debootstrap from $mirror failed: $(grep -E 'E:|W:' "$log" | tail -n 1)"
fi
root_time=$((SECONDS - start))

# The commands inside run in a private mount namespace, so the kernel drops the mounts
# when they end; the trap above unmounts them all the same.
inside() {
    unshare --mount --propagation private -- bash -s -- "$root" "$@" <<'EOF'
set -eu
root=$1
shift
# The root bound onto itself is a mount of its own, and it becomes the namespace's root
# (pivot_root, not chroot): "/" inside can be made private and remounted, and a process
# that takes a mount namespace of its own (the file-fault tests do) still reads its own
# path in /proc/self/exe.
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
cd "$root"
pivot_root . .
umount -l .
exec /usr/bin/env -i HOME=/root TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
EOF
}

echo "=== fresh root: git and ca-certificates ==="
start=$SECONDS
inside /bin/sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq git ca-certificates' \
    >>"$log" 2>&1 || fail "apt-get in the fresh root failed: $(grep -E '^E:' "$log" | tail -n 1)"
packages_time=$((SECONDS - start))

# The committed HEAD, cloned as a new user would clone it.
git clone -q --no-local "$checkout" "$root/root/mirandel" && git -C "$root/root/mirandel" checkout -q --detach "$head" ||
    fail "the checkout could not be cloned into the fresh root"

echo "=== fresh root: MIRANDEL_TEST_STAGES=dev scripts/test.sh (as root) ==="
start=$SECONDS
# The stage's own clock marks: set-up (its packages), build, tests.
set_up_end='' build_end=''
test_verdict=''
while IFS= read -r line; do
    printf '%s\n' "$line"
    case "$line" in
    "=== stage dev ===") set_up_end=$SECONDS ;;
    "Test project "*) build_end=$SECONDS ;;
    "stage dev: "*) test_verdict=${line#stage dev: } ;;
    esac
done < <(inside /bin/bash -c 'cd /root/mirandel && MIRANDEL_TEST_STAGES=dev scripts/test.sh' 2>&1)
run_time=$((SECONDS - start))

shots=''
if [ -n "${MIRANDEL_FRESH_ROOT_SHOTS:-}" ] && [ -x "$root/root/mirandel/build/dev/tests/app/tst_fonts" ]; then
    mkdir -p "$root/tmp/shots"
    inside /bin/sh -c 'QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 MIRANDEL_WINDOW_SHOTS=/tmp/shots \
        /root/mirandel/build/dev/tests/app/tst_fonts' >>"$log" 2>&1
    mkdir -p "$MIRANDEL_FRESH_ROOT_SHOTS"
    cp "$root"/tmp/shots/*.png "$MIRANDEL_FRESH_ROOT_SHOTS/" 2>/dev/null &&
        shots="; window pictures in $MIRANDEL_FRESH_ROOT_SHOTS"
fi

times="root $(clock "$root_time"), git and ca-certificates $(clock "$packages_time")"
if [ -n "$set_up_end" ]; then
    times+=", test.sh packages $(clock $((set_up_end - start)))"
    [ -n "$build_end" ] && times+=", dev build $(clock $((build_end - set_up_end))), tests $(clock $((SECONDS - build_end)))"
fi
times+=", test.sh in all $(clock "$run_time")"
case "$test_verdict" in
passed*) verdict "passed: dev $test_verdict; $times$shots" ;;
'') fail "scripts/test.sh gave no verdict for the dev stage; $times" ;;
*) fail "dev $test_verdict; $times" ;;
esac
