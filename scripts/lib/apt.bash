# Installing from Debian's archive, shared by scripts/setup and the web build.
# Sourced, not run.

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

tarnwick_apt_updated=no
apt_update() {
  if [ "$tarnwick_apt_updated" = no ]; then
    as_root apt-get update -qq
    tarnwick_apt_updated=yes
  fi
}

# The mirror this machine's own Debian source names, read from the apt
# configuration (never written into the repository).
debian_mirror() {
  local f uri
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    # deb822: the stanza whose Suites name the stable release (not security).
    # (awk runs END after exit too: `found` keeps the address from being printed twice.)
    uri=$(awk '
      /^[[:space:]]*$/ { if (u != "" && s ~ /(^| )bookworm( |$)/) { print u; found = 1; exit } u=""; s="" }
      /^URIs:/   { u=$2 }
      /^Suites:/ { $1=""; s=$0 }
      END { if (!found && u != "" && s ~ /(^| )bookworm( |$)/) print u }' "$f")
    if [ -n "$uri" ]; then echo "$uri"; return; fi
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    uri=$(awk '$1=="deb" && $0 !~ /security/ { for (i=2;i<=NF;i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }' "$f")
    if [ -n "$uri" ]; then echo "$uri"; return; fi
  done
}

# Writes an apt source for the machine's own mirror: add_debian_source <file
# name> <types> <suite>. Fails when the apt configuration names no mirror.
add_debian_source() {
  local name=$1 types=$2 suite=$3 mirror
  mirror=$(debian_mirror)
  if [ -z "$mirror" ]; then
    echo "setup: no Debian source found in the apt configuration" >&2
    return 1
  fi
  as_root tee "/etc/apt/sources.list.d/$name.sources" >/dev/null <<SRC
Types: $types
URIs: $mirror
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  tarnwick_apt_updated=no
}

# Installs the packages named that are not installed yet.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ "${#missing[@]}" -gt 0 ] || return 0
  echo "setup: installing ${missing[*]}"
  apt_update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
