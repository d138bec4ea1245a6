# Shared by the scripts: installs what is missing on a Debian machine.

trv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# ensure_packages PKG... : installs the Debian packages that are not installed yet.
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and testing TRV needs beyond a C++ toolchain. The cases of
# the batch commands read their JSON and CSV back with Python's standard
# parsers (python3-minimal lacks the json module); the compliance page is
# opened in Chromium; the fault tests kill a project creation at each system
# call with strace. The Qt front end is also tested on an X server: Xvfb,
# the openbox window manager, Qt's X11 platform plugin, the X library trv play
# asks for the windows' stacking, xprop (x11-utils) and ImageMagick for the
# pictures.
trv_build_packages=(cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core python3 chromium
    libxcb1-dev xvfb xauth openbox qt6-qpa-plugins x11-utils imagemagick strace)

# winpath PATH: a POSIX path as Wine names it, on its drive Z:.
winpath() { local p=${1//\//\\}; printf 'Z:%s\n' "$p"; }

# case_under_wine LOG COMMAND...: runs one test case under Wine, its output in
# LOG. Now and then Wine itself fails a program: its loader fails an
# assertion as the program exits ("Inconsistency detected by ld.so"), or the
# program ends at once with nothing printed (every case prints something).
# Such a case runs once more, from scratch, and says so; any other failure,
# or the same again, fails the case.
case_under_wine() {
    local log=$1
    shift
    "$@" > "$log" 2>&1 && return 0
    grep -q -e 'Inconsistency detected by ld.so' -e '^@@ -1\(,[0-9]*\)\{0,1\} +0,0 @@' "$log" || return 1
    echo "$(basename "$log" .log): Wine failed the program; the case runs again" | tee "$log.first"
    cat "$log" >> "$log.first"
    "$@" > "$log" 2>&1
}
