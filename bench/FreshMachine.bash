#!/usr/bin/env bash
# A player's first run on a new Debian 12: a minimal Debian 12 made by
# debootstrap (once, cached), a clone of this repository at a given revision in
# it, and the play command run there as root from nothing installed, in a
# network namespace of its own, so that the bytes it downloads are counted.
# Prints the seconds to the first title frame on a private Xvfb display (for
# scripts/play) or to the address being printed (for scripts/play-web), and
# the megabytes downloaded. Needs root (chroot, mounts, a network namespace).
#   bash bench/FreshMachine.bash <play|play-web> [revision]   (default HEAD)
set -euo pipefail

what=$1
rev=${2:-HEAD}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=../scripts/lib/apt.bash
source "$source_dir/scripts/lib/apt.bash"
case $what in play | play-web) ;; *) echo "usage: FreshMachine.bash <play|play-web> [revision]" >&2; exit 2 ;; esac
[ "$(id -u)" -eq 0 ] || { echo "fresh machine: needs root" >&2; exit 1; }
install_missing debootstrap iptables iproute2 xvfb xdotool imagemagick git

cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwick/fresh-debian
base=$cache/bookworm-minbase.tar
if [ ! -f "$base" ]; then
  echo "fresh machine: making a minimal Debian 12 with debootstrap (once; cached in $cache)" >&2
  mkdir -p "$cache"
  staging=$(mktemp -d /var/tmp/tarnwick-debootstrap.XXXXXX)
  debootstrap --variant=minbase bookworm "$staging" "$(debian_mirror)" >"$cache/debootstrap.log" 2>&1
  tar -C "$staging" -cf "$base.partial" .
  mv "$base.partial" "$base"
  rm -rf "$staging"
fi

work=$(mktemp -d /var/tmp/tarnwick-fresh.XXXXXX)
jail=$work/root
ns=tarnwick-fresh-$$
host_end=tfh$((RANDOM % 10000))
jail_end=tfc${host_end#tfh}
subnet=10.$((100 + RANDOM % 100)).$((RANDOM % 250)).
xvfb_pid=""
run_pid=""
cleanup() {
  set +e
  [ -n "$run_pid" ] && kill -- -"$run_pid" 2>/dev/null
  # Whatever still runs inside (the game, the server, a build).
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$jail" ] && kill -KILL "${p#/proc/}" 2>/dev/null
  done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  for m in tmp/.X11-unix dev/pts dev sys proc; do umount -l "$jail/$m" 2>/dev/null; done
  iptables -t nat -D POSTROUTING -s "${subnet}0/24" -j MASQUERADE 2>/dev/null
  ip link del "$host_end" 2>/dev/null
  ip netns del "$ns" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$jail"
tar -C "$jail" -xf "$base"
cp /etc/resolv.conf "$jail/etc/resolv.conf"
# The machine's own mirror, as its apt configuration trusts it (a mirror that
# serves a frozen archive needs its release files' dates left unchecked).
apt-config dump | grep -E '^Acquire::Check-(Valid-Until|Date) ' >"$jail/etc/apt/apt.conf.d/99tarnwick-host-mirror" || true
# And the certificates this machine adds to Debian's (a network that
# inspects its traffic signs with its own), which the jail's
# ca-certificates takes in when it is installed; Node is told to use them.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  mkdir -p "$jail/usr/local/share/ca-certificates"
  cp /usr/local/share/ca-certificates/*.crt "$jail/usr/local/share/ca-certificates/"
fi
git clone -q --no-local "$source_dir" "$jail/root/tarnwick"
git -C "$jail/root/tarnwick" checkout -q "$(git -C "$source_dir" rev-parse "$rev")"
mount -t proc proc "$jail/proc"
mount --rbind /sys "$jail/sys"
mount --bind /dev "$jail/dev"
mount --bind /dev/pts "$jail/dev/pts"

# A private display; the jail reaches it through the socket folder (X's
# abstract sockets belong to the host's network namespace).
mkdir -p "$jail/tmp/.X11-unix"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do grep -q '^[0-9]\+$' "$work/display" 2>/dev/null && break; sleep 0.1; done
display=":$(head -n 1 "$work/display")"
mount --bind /tmp/.X11-unix "$jail/tmp/.X11-unix"

# Its own network, reaching out through the host: every byte it downloads
# passes the host's end of one virtual cable.
ip netns add "$ns"
ip link add "$host_end" type veth peer name "$jail_end"
ip link set "$jail_end" netns "$ns"
ip addr add "${subnet}1/24" dev "$host_end"
ip link set "$host_end" up
ip netns exec "$ns" ip addr add "${subnet}2/24" dev "$jail_end"
ip netns exec "$ns" ip link set "$jail_end" up
ip netns exec "$ns" ip link set lo up
ip netns exec "$ns" ip route add default via "${subnet}1"
sysctl -q net.ipv4.ip_forward=1
iptables -t nat -A POSTROUTING -s "${subnet}0/24" -j MASQUERADE
sent() { cat "/sys/class/net/$host_end/statistics/tx_bytes"; }

echo "fresh machine: scripts/$what at $(git -C "$source_dir" rev-parse --short "$rev"), on $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)" >&2
bytes0=$(sent)
start=$(date +%s.%N)
setsid ip netns exec "$ns" chroot "$jail" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb DISPLAY="$display" \
  NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt npm_config_cafile=/etc/ssl/certs/ca-certificates.crt \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c "cd /root/tarnwick && exec scripts/$what 2>&1" >"$work/run.log" 2>&1 &
run_pid=$!
reached=""
while kill -0 "$run_pid" 2>/dev/null; do
  if [ "$what" = play ]; then
    # The first title frame: the game's window shows something other than black.
    if DISPLAY=$display xdotool search --onlyvisible --name '^Tarnwick$' >/dev/null 2>&1 &&
      [ "$(DISPLAY=$display import -window root -format '%[fx:mean>0.02]' info: 2>/dev/null)" = 1 ]; then
      reached=$(date +%s.%N)
      DISPLAY=$display import -window root "${TARNWICK_FRESH_SHOT:-/tmp/tarnwick-fresh-title.png}" 2>/dev/null || true
      break
    fi
  elif grep -q 'serving it at http' "$work/run.log"; then
    reached=$(date +%s.%N)
    break
  fi
  sleep 0.5
done
bytes=$(( $(sent) - bytes0 ))
if [ -z "$reached" ]; then
  tail -30 "$work/run.log" >&2
  echo "fresh machine: scripts/$what ended before it got there" >&2
  exit 1
fi
awk -v s="$start" -v r="$reached" -v b="$bytes" -v w="$what" 'BEGIN {
  printf "  scripts/%s on a new Debian 12: %.0f s (%.1f min) to %s, %.1f MB downloaded\n", w, r - s, (r - s) / 60,
    (w == "play" ? "the first title frame" : "its address"), b / 1e6 }'
