# Shared by scripts/run and scripts/test: the Debian packages the build needs,
# installed when missing (through sudo when not root).

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core dpkg-dev)
TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool xclip x11-utils openbox imagemagick desktop-file-utils)

install_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# Configures and builds one build directory: configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$ROOT/$dir" --parallel
}
