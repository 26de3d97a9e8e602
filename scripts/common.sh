# Shared by the scripts: the Debian packages each of them needs, installed when
# missing (through sudo when not root), and the build of one build directory.

# Building and running the program.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core)
# Building the test suites.
SUITE_PACKAGES=(libgtest-dev)
# Running them: the X server tests' server, window manager and tools, the
# package test's (dpkg-dev and file build and check the .deb), and the sources
# of the German locale that the calculation is tested in once more.
TEST_PACKAGES=(xvfb openbox xdotool xclip x11-utils x11-xkb-utils imagemagick
  dpkg-dev file lintian desktop-file-utils locales)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
VALGRIND_PACKAGES=(valgrind)
BENCH_PACKAGES=(libbenchmark-dev xvfb valgrind procps)

# install_packages PACKAGE...: installs those not installed yet. Without root
# and without sudo, names them in one line and fails.
install_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing Debian packages; as root, run: apt-get install ${missing[*]}" >&2
      return 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  # sudo resets the environment: the setting reaches apt-get through env.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one build directory: configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja "$@" >/dev/null &&
    cmake --build "$ROOT/$dir" --parallel
}
