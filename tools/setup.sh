# Shared by run.sh and test.sh: installs what is missing (as root) and builds.
PACKAGES_BUILD="g++ cmake make pkg-config libsdl2-dev libx11-dev libcairo2-dev libgtest-dev fonts-morisawa-bizud-gothic fonts-ipafont-gothic fonts-liberation2 fonts-dejavu-core"
PACKAGES_TEST="xvfb xdotool imagemagick x11-utils x11-xkb-utils libxtst-dev"

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]} (run as root to install them)" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S "$ROOT" -B "$ROOT/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$ROOT/$dir" -j "$(nproc)"
}
