# shellcheck shell=bash
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
VESK_DEPS_PREFIX=$VESK_DEPS/win32
VESK_WINE_BASE=$VESK_BUILD/wine/base
VESK_JOBS=${VESK_JOBS:-2}
export VESK_DEPS_PREFIX

# Debian packages the build and the Wine test runs need. wine32 is the i386
# half; without it Debian's wine can only start 64-bit programs.
VESK_PACKAGES=(
  g++ cmake ninja-build dpkg-dev
  googletest libgtest-dev libbenchmark-dev libjpeg62-turbo-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-tools
  wine wine32:i386
  xvfb xdotool imagemagick x11-utils
  fp-utils python3
)

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
  if [ "$(id -u)" -eq 0 ]; then
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

# Packages from VESK_PACKAGES that are not installed (one per line).
vesk_missing_packages() {
  local status
  status=$(dpkg-query -W -f='${binary:Package} ${db:Status-Abbrev}\n' \
    "${VESK_PACKAGES[@]}" 2>/dev/null)
  local p name
  for p in "${VESK_PACKAGES[@]}"; do
    name=$p
    # dpkg-query prints arch-qualified names only for foreign packages.
    if ! awk -v n="$name" -v m="${name%%:*}" \
        '($1 == n || $1 == m || $1 == m ":amd64" || $1 == m ":all") && $2 == "ii" { ok = 1 } END { exit !ok }' \
        <<<"$status"; then
      printf '%s\n' "$p"
    fi
  done
}

vesk_have_i386() {
  [ "$(dpkg --print-architecture)" = i386 ] ||
    dpkg --print-foreign-architectures | grep -qx i386
}

vesk_have_win32_deps() {
  [ -f "$VESK_DEPS_PREFIX/lib/libjpeg.a" ] &&
    [ -f "$VESK_DEPS_PREFIX/include/jpeglib.h" ] &&
    [ -f "$VESK_DEPS_PREFIX/.vesk-libjpeg-turbo" ]
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

vesk_have_wine_base() {
  [ -f "$VESK_WINE_BASE/system.reg" ] && [ -f "$VESK_WINE_BASE/.vesk-base" ] || return 1
  local want
  want=$(vesk_wine_inf_stamp) || return 0
  [ "$(head -c 64 "$VESK_WINE_BASE/.update-timestamp" 2>/dev/null | tr -dc 0-9)" = "$want" ]
}

# True when scripts/setup has nothing left to do.
vesk_setup_done() {
  vesk_is_windows_host && return 0
  command -v dpkg-query >/dev/null || return 1
  vesk_have_i386 && [ -z "$(vesk_missing_packages)" ] &&
    vesk_have_win32_deps && vesk_have_wine_base
}

# Environment every Wine run of ours uses.
vesk_wine_env() {
  export WINEARCH=win32
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
  timeout 60 wine regedit /S "$win" >/dev/null 2>&1 || return 1
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
  wait "$pid" 2>/dev/null
  return 0
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
