# shellcheck shell=bash
# Its variables are there for the scripts that source it:
# shellcheck disable=SC2034
# Shared helpers for the scripts in scripts/. Source it, don't run it.
#
# Everything the scripts make (dependencies, Wine prefixes, builds, logs) goes
# under $VESK_BUILD so a clean clone starts from nothing and `rm -rf build`
# resets it all.

# CI may start us with standard input closed; a program that then opens a
# file gets it as fd 0, which Wine and Xvfb do not expect.
if ! (exec 9<&0) 2>/dev/null; then
  exec </dev/null
fi

VESK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VESK_BUILD=${VESK_BUILD:-$VESK_ROOT/build}
VESK_LIB=$VESK_ROOT/scripts/lib
VESK_DEPS=$VESK_BUILD/deps
VESK_JOBS=${VESK_JOBS:-2}

# The two Windows flavours built from this tree: win32 is the PE32 program we
# ship, win64 its PE32+ twin for hosts whose kernel cannot run 32-bit code.
# Each has its own build folder (build/FLAVOUR) and cross-built libraries
# (build/deps/FLAVOUR).
VESK_FLAVOURS=(win32 win64)

# Debian packages the build and the Wine runs need, on every host. wine64 is
# there even where 32-bit Wine runs, so VESK_WINE_ARCH=win64 works anywhere.
VESK_PACKAGES=(
  g++ cmake ninja-build dpkg-dev
  googletest libgtest-dev libbenchmark-dev libjpeg62-turbo-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64
  xvfb xdotool imagemagick x11-utils
  fp-utils python3 shellcheck
  clang libclang-rt-14-dev llvm-14 # libFuzzer, its sanitizers, llvm-symbolizer
)
# The i386 half of Wine, only where the kernel runs 32-bit programs: on other
# hosts it installs but every program it starts fails with "Exec format
# error", and Debian's /usr/bin/wine would still prefer it.
VESK_PACKAGES_IA32=(wine32:i386)

# vesk_lines ARRAY COMMAND...: ARRAY gets COMMAND's output, a line an element
# (none for no output), and the call fails when COMMAND does. `mapfile < <(…)`
# would lose the command's status.
vesk_lines() {
  local -n vesk_lines_into=$1
  local out
  shift
  out=$("$@") || return
  vesk_lines_into=()
  [ -z "$out" ] || mapfile -t vesk_lines_into <<<"$out"
}

vesk_log() { printf '==> %s\n' "$*" >&2; }
vesk_warn() { printf 'warning: %s\n' "$*" >&2; }
vesk_die() { printf 'error: %s\n' "$*" >&2; exit 1; }

vesk_now() { printf '%s' "${EPOCHREALTIME/,/.}"; }
# vesk_elapsed START -> seconds since START with one decimal.
vesk_elapsed() {
  local now; now=$(vesk_now)
  awk -v a="$1" -v b="$now" 'BEGIN { printf "%.1f", b - a }'
}

# Run a command as root: directly when we are root, else through sudo.
vesk_as_root() {
  if [ "$EUID" -eq 0 ]; then
    "$@"
  else
    command -v sudo >/dev/null || vesk_die "need root for: $* (sudo not found)"
    sudo "$@"
  fi
}

vesk_is_windows_host() {
  case "$(uname -s)" in
    *MINGW*|*MSYS*|*CYGWIN*) return 0 ;;
  esac
  return 1
}

# The packages this host needs, one per line.
vesk_packages() {
  printf '%s\n' "${VESK_PACKAGES[@]}"
  if vesk_host_runs_ia32; then
    printf '%s\n' "${VESK_PACKAGES_IA32[@]}"
  fi
}

# Packages of vesk_packages that are not installed (one per line).
vesk_missing_packages() {
  local wanted status
  vesk_lines wanted vesk_packages || return 1
  # dpkg-query exits 1 when any package named is unknown or not installed,
  # which is exactly the case this function exists for: its status says
  # nothing, its output says everything.
  status=$(dpkg-query -W -f='${binary:Package} ${db:Status-Abbrev}\n' \
    "${wanted[@]}" 2>/dev/null) || true
  local p
  for p in "${wanted[@]}"; do
    # dpkg-query prints arch-qualified names only for foreign packages.
    if ! awk -v n="$p" -v m="${p%%:*}" \
        '($1 == n || $1 == m || $1 == m ":amd64" || $1 == m ":all") && $2 == "ii" { ok = 1 } END { exit !ok }' \
        <<<"$status"; then
      printf '%s\n' "$p"
    fi
  done
}

vesk_have_i386() {
  local native foreign
  native=$(dpkg --print-architecture) || return 1
  [ "$native" = i386 ] && return 0
  foreign=$(dpkg --print-foreign-architectures) || return 1
  grep -qx i386 <<<"$foreign"
}

# Whether this kernel runs 32-bit x86 programs. Some kernels are built or
# booted without IA32 emulation; there every i386 program, Wine's loader
# included, fails with "Exec format error". Asked of the kernel itself with
# a 96-byte static ELF32 program that exits with 42 (mov eax, 1; mov ebx,
# 42; int 0x80), since no i386 library or loader need be installed yet.
vesk_host_runs_ia32() {
  if [ -z "${VESK_HOST_IA32:-}" ]; then
    local probe=$VESK_BUILD/probe/ia32-exit42 rc=0
    mkdir -p "${probe%/*}"
    # ELF header (52 bytes), one PT_LOAD program header (32), code (12).
    printf '%b' \
      '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
      '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
      '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
      '\x00\x00\x00\x00' \
      '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
      '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
      '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe.$$"
    chmod +x "$probe.$$"
    "$probe.$$" 2>/dev/null || rc=$?
    rm -f "$probe.$$"
    if [ "$rc" = 42 ]; then VESK_HOST_IA32=yes; else VESK_HOST_IA32=no; fi
    export VESK_HOST_IA32
  fi
  [ "$VESK_HOST_IA32" = yes ]
}

# The Windows flavour the Wine runs use: VESK_WINE_ARCH when set, else win32
# where the kernel runs 32-bit programs and win64 where it does not.
vesk_wine_arch() {
  case "${VESK_WINE_ARCH:-}" in
    win64) echo win64 ;;
    win32)
      vesk_host_runs_ia32 ||
        vesk_die "VESK_WINE_ARCH=win32, but this kernel cannot run 32-bit programs; use win64"
      echo win32 ;;
    '')
      if vesk_host_runs_ia32; then echo win32; else echo win64; fi ;;
    *) vesk_die "VESK_WINE_ARCH must be win32 or win64, not '$VESK_WINE_ARCH'" ;;
  esac
}

vesk_deps_prefix() { echo "$VESK_DEPS/$1"; } # FLAVOUR

vesk_have_deps() { # FLAVOUR
  local prefix; prefix=$(vesk_deps_prefix "$1")
  [ -f "$prefix/lib/libjpeg.a" ] &&
    [ -f "$prefix/include/jpeglib.h" ] &&
    [ -f "$prefix/.vesk-libjpeg-turbo" ]
}

# The mtime of wine.inf that Wine writes to .update-timestamp; when the wine
# package changes, Wine would redo the whole prefix update in every copy.
vesk_wine_inf_stamp() {
  local inf
  for inf in /usr/share/wine/wine.inf /usr/share/wine/wine/wine.inf /opt/wine*/share/wine/wine.inf; do
    [ -f "$inf" ] && { stat -c %Y "$inf"; return 0; }
  done
  return 1
}

# The booted prefix that every Wine run of the flavour copies.
vesk_wine_base() { echo "$VESK_BUILD/wine/base-$1"; } # FLAVOUR

vesk_have_wine_base() { # FLAVOUR
  local base want stamp
  base=$(vesk_wine_base "$1")
  [ -f "$base/system.reg" ] && [ -f "$base/.vesk-base" ] || return 1
  want=$(vesk_wine_inf_stamp) || return 0
  stamp=$(head -c 64 "$base/.update-timestamp" 2>/dev/null | tr -dc 0-9) || true
  [ "$stamp" = "$want" ]
}

# True when scripts/setup has nothing left to do.
vesk_setup_done() {
  vesk_is_windows_host && return 0
  command -v dpkg-query >/dev/null || return 1
  local missing flavour arch
  if vesk_host_runs_ia32; then
    vesk_have_i386 || return 1
  fi
  missing=$(vesk_missing_packages)
  [ -z "$missing" ] || return 1
  for flavour in "${VESK_FLAVOURS[@]}"; do
    vesk_have_deps "$flavour" || return 1
  done
  arch=$(vesk_wine_arch)
  vesk_have_wine_base "$arch"
}

# Environment every Wine run of ours uses, for the flavour FLAVOUR: WINEARCH,
# and VESK_WINE, the loader to start programs with. Debian's /usr/bin/wine
# picks the i386 loader whenever it is installed, even on a kernel that
# cannot run it, so the loader is named directly; WINELOADER makes Wine
# start child processes with the same one.
vesk_wine_env() { # FLAVOUR
  case "$1" in
    win32) VESK_WINE=/usr/lib/wine/wine ;;
    win64) VESK_WINE=/usr/lib/wine/wine64 ;;
    *) vesk_die "unknown Wine flavour '$1' (win32, win64)" ;;
  esac
  [ -x "$VESK_WINE" ] || VESK_WINE=$(command -v wine) ||
    vesk_die "wine is not installed (run scripts/setup)"
  export VESK_WINE WINELOADER=$VESK_WINE WINEARCH=$1
  export WINEDEBUG=${VESK_WINEDEBUG:--all}
  # No Mono/Gecko install prompts, no menu entries or file associations
  # written into the developer's real desktop.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# Writes a .reg file that makes a prefix open every program on one virtual
# desktop named "Vesk" of the given size, with the Wine shell on it.
# Wine reads HKCU\Software\Wine\Explorer\Desktop when a process connects to
# its window station: with it set, every process of the prefix joins that
# desktop instead of the X root window, and `wine prog.exe` still reports the
# program's own PID, output and exit code. EnableShell gives the desktop the
# taskbar and notification area, which Vesk's tray icon needs. The crash
# dialog would wait for a click nobody makes; the backtrace on stderr is
# enough.
vesk_wine_desktop_reg() { # FILE SIZE
  cat >"$1" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Vesk"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Vesk"="$2"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops\\Vesk]
"EnableShell"=dword:00000001

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF
}

# Imports a .reg file into $WINEPREFIX, then waits until the server has
# written the registry out and exited, so what starts next sees a settled
# prefix.
vesk_wine_import_reg() { # FILE
  local win="Z:${1//\//\\}"
  timeout 60 "$VESK_WINE" regedit /S "$win" >/dev/null 2>&1 || return 1
  timeout 60 wineserver -w >/dev/null 2>&1 ||
    vesk_warn "the wineserver of $WINEPREFIX did not exit after regedit"
  return 0
}

# Debian's Wine 8 keeps the wineserver socket in a mkdtemp() folder under
# $TMPDIR and records its name in $WINEPREFIX/wineserver. A copied prefix
# would carry that record along; drop it so each prefix gets its own folder.
vesk_wine_forget_server_dir() {
  local prefix=$1 dir
  [ -f "$prefix/wineserver" ] || return 0
  dir=$(head -c 64 "$prefix/wineserver" 2>/dev/null)
  rm -f "$prefix/wineserver"
  case "$dir" in
    wine-??????) rm -rf "${TMPDIR:-/tmp}/$dir" ;;
  esac
}

# Wait up to SECS for PID (a child of this shell) to exit; SIGKILL it after
# that. Never blocks longer: Wine leaves zombies where PID 1 does not reap.
vesk_wait_pid() {
  local pid=$1 secs=${2:-10} i
  [ -n "$pid" ] || return 0
  for ((i = 0; i < secs * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null
  fi
  # The process's own status, which is no failure of ours: under set -e a
  # bare `wait` for a killed process would end the caller.
  wait "$pid" 2>/dev/null || true
}

# Start an Xvfb on a free display. Sets VESK_XVFB_PID and VESK_XVFB_DISPLAY
# (":N"). Xvfb picks the number itself (-displayfd), so parallel runs never
# race for one.
vesk_start_xvfb() {
  local geometry=${1:-1024x768x24} logdir=${2:-$VESK_BUILD/logs}
  mkdir -p "$logdir"
  local fdfile
  fdfile=$(mktemp "$logdir/xvfb-display.XXXXXX")
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset \
    3>"$fdfile" >"$logdir/xvfb-$$.log" 2>&1 </dev/null &
  VESK_XVFB_PID=$!
  local i n=""
  for ((i = 0; i < 100; i++)); do
    n=$(tr -dc '0-9' <"$fdfile")
    [ -n "$n" ] && break
    kill -0 "$VESK_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$fdfile"
  if [ -z "$n" ]; then
    vesk_stop_xvfb
    cat "$logdir/xvfb-$$.log" >&2 2>/dev/null
    vesk_die "Xvfb did not start"
  fi
  rm -f "$logdir/xvfb-$$.log"
  VESK_XVFB_DISPLAY=":$n"
}

vesk_stop_xvfb() {
  [ -n "${VESK_XVFB_PID:-}" ] || return 0
  kill -TERM "$VESK_XVFB_PID" 2>/dev/null
  vesk_wait_pid "$VESK_XVFB_PID" 10
  VESK_XVFB_PID=
}
