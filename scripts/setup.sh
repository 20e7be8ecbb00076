#!/usr/bin/env bash
# Prepares a Debian machine for both build presets:
#  1. installs the tool chain and libraries from Debian's packages;
#  2. cross-builds static cJSON, OpenSSL and GoogleTest for 32-bit x86
#     Windows (mingw-w64 i686, posix thread model) into a cache outside the
#     checkout.
#
# The cache is ${QUORIN_DEPS_CACHE:-$HOME/.cache/quorin-deps}; libraries land
# in its prefix-i686/ folder, which the windows preset finds on its own.  A
# stamp file per library and architecture records the version that was
# built; a library whose stamp is present is not built again (pass --rebuild
# to force it).
#
# Usage: scripts/setup.sh [--rebuild] [--print-prefix]
#   Sourcing the script (". scripts/setup.sh") also exports QUORIN_DEPS_PREFIX.

quorin_setup_main() {
  local rebuild=0 print_only=0 arg
  for arg in "$@"; do
    case "$arg" in
      --rebuild) rebuild=1 ;;
      --print-prefix) print_only=1 ;;
      -h|--help) sed -n '2,14p' "${BASH_SOURCE[0]}"; return 0 ;;
      *) echo "setup.sh: unknown option $arg" >&2; return 2 ;;
    esac
  done

  local cache="${QUORIN_DEPS_CACHE:-$HOME/.cache/quorin-deps}"
  local arch=i686
  local prefix="$cache/prefix-$arch"
  if ((print_only)); then
    echo "$prefix"
    return 0
  fi

  export DEBIAN_FRONTEND=noninteractive
  local jobs="${QUORIN_JOBS:-2}"
  local host=$arch-w64-mingw32
  local cc="$host-gcc-posix" cxx="$host-g++-posix"
  # The same floating-point arithmetic as the native 64-bit build.
  local arch_flags="-msse2 -mfpmath=sse"

  # ---- 1. Debian packages -------------------------------------------------
  local packages=(
    g++ cmake ninja-build make perl pkg-config
    mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    wine wine64 wine32:i386 xvfb xdotool x11-utils util-linux
    fonts-wqy-microhei fonts-wine
    libcjson-dev libssl-dev libgtest-dev googletest libbenchmark-dev
    lua5.4 clang dpkg-dev locales ccache python3 openssl imagemagick
    unixodbc:i386 libsqliteodbc:i386
    linux-perf time
  )
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  local missing=() p
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  # The 32-bit Windows programs run on Wine's 32-bit side, which comes from
  # Debian's i386 architecture.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "== adding the i386 architecture"
    "${sudo[@]}" dpkg --add-architecture i386
  fi
  if ((${#missing[@]})); then
    echo "== installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  else
    echo "== Debian packages: all present"
  fi

  # Windows programs under Wine run in a Chinese locale (scripts/wine-run.sh).
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    echo "== generating the zh_CN.UTF-8 locale"
    "${sudo[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi

  mkdir -p "$cache/stamps" "$prefix"
  # One set-up at a time per cache (several checkouts may share it).
  exec 8>"$cache/setup.lock"
  flock 8
  local work="$cache/work"

  # ---- 2. a private apt state for fetching Debian source packages --------
  local apt_dir="$cache/apt"
  local apt_opts=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State=$apt_dir/state"
    -o "Dir::State::Lists=$apt_dir/state/lists"
    -o "Dir::Cache=$apt_dir/cache"
    -o "APT::Sandbox::User=root"
  )
  local apt_ready=0

  prepare_apt() {
    ((apt_ready)) && return 0
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial"
    write_source_list > "$apt_dir/sources.list"
    echo "== fetching source package lists"
    apt-get "${apt_opts[@]}" update -q >"$apt_dir/update.log" 2>&1 || {
      cat "$apt_dir/update.log" >&2
      return 1
    }
    apt_ready=1
  }

  # The deb-src lines mirror the system's own Debian sources (same mirror
  # URLs and suites); the system's apt configuration is never touched.
  write_source_list() {
    local codename
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    local lines
    lines=$(system_debian_sources "$codename" | sort -u)
    if [[ -z "$lines" ]]; then
      lines=$(printf '%s\n' \
        "http://deb.debian.org/debian $codename main" \
        "http://deb.debian.org/debian $codename-updates main" \
        "http://deb.debian.org/debian-security $codename-security main")
    fi
    local uri suite rest
    while read -r uri suite rest; do
      [[ -n "$uri" ]] || continue
      echo "deb-src [signed-by=$keyring] $uri $suite main"
    done <<<"$lines"
  }

  # Prints "URI SUITE" for each Debian suite of this release that the system
  # uses, from both the one-line and the deb822 source formats.
  system_debian_sources() {
    local codename=$1 f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      [[ -f "$f" ]] || continue
      awk -v c="$codename" '
        $1 == "deb" || $1 == "deb-src" {
          i = 2
          if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
          uri = $i; suite = $(i + 1)
          if (suite == c || index(suite, c "-") == 1) print uri, suite
        }' "$f"
    done
    for f in /etc/apt/sources.list.d/*.sources; do
      [[ -f "$f" ]] || continue
      awk -v c="$codename" '
        function flush(   n, m, i, j, u, s) {
          if (types ~ /(^| )deb( |$)/ && enabled != "no") {
            n = split(uris, u, " "); m = split(suites, s, " ")
            for (i = 1; i <= n; i++) for (j = 1; j <= m; j++)
              if (s[j] == c || index(s[j], c "-") == 1) print u[i], s[j]
          }
          types = uris = suites = ""; enabled = "yes"
        }
        BEGIN { enabled = "yes" }
        /^[ \t]*#/ { next }
        /^[ \t]*$/ { flush(); next }
        { key = tolower($1); sub(/:$/, "", key); $1 = ""; sub(/^ +/, "")
          if (key == "types") types = $0
          else if (key == "uris") uris = $0
          else if (key == "suites") suites = $0
          else if (key == "enabled") enabled = tolower($0) }
        END { flush() }' "$f"
    done
  }

  # Fetches and unpacks the newest source version of a package that the
  # mirror can deliver whole (a mirror may list a version whose files it no
  # longer holds); sets src_dir and src_version.
  src_dir="" src_version=""
  fetch_source() {
    local pkg=$1 dest="$work/src-$1" v
    for v in $(apt-cache "${apt_opts[@]}" showsrc "$pkg" 2>/dev/null |
               awk -v p="$pkg" '/^Package:/ { ok = ($2 == p) } ok && /^Version:/ { print $2 }' |
               sort -rV -u); do
      rm -rf "$dest"
      mkdir -p "$dest"
      if (cd "$dest" && apt-get "${apt_opts[@]}" source -q "$pkg=$v" >fetch.log 2>&1); then
        src_dir=$(find "$dest" -mindepth 1 -maxdepth 1 -type d -name "$pkg-*" | head -n1)
        src_version=$v
        [[ -n "$src_dir" ]] && return 0
      fi
      echo "   ($pkg $v could not be fetched; trying an older version)"
    done
    echo "setup.sh: no usable source package for $pkg" >&2
    [[ -f "$dest/fetch.log" ]] && cat "$dest/fetch.log" >&2
    return 1
  }

  # A stamp holds "VERSION rN": the source version and the revision of the
  # recipe below.  Raising a recipe's revision rebuilds that library.
  local cjson_recipe=2 openssl_recipe=3 gtest_recipe=2
  stamp_ok() {
    ((rebuild == 0)) && [[ -s "$cache/stamps/$arch-$1" ]] &&
      [[ "$(cat "$cache/stamps/$arch-$1")" == *" r$2" ]]
  }
  stamp_of() { cat "$cache/stamps/$arch-$1"; }
  write_stamp() { echo "$2 r$3" > "$cache/stamps/$arch-$1"; }

  # ---- 3a. cJSON -----------------------------------------------------------
  # Built for both architectures: the editor plug-in also has a 64-bit build.
  build_cjson() {
    local arch=$1
    local host=$arch-w64-mingw32
    local cc="$host-gcc-posix"
    local prefix="$cache/prefix-$arch"
    local arch_flags=""
    [[ $arch == i686 ]] && arch_flags="-msse2 -mfpmath=sse"
    if stamp_ok cjson $cjson_recipe; then
      echo "== cJSON $(stamp_of cjson) for $arch (cached)"
      return 0
    fi
    prepare_apt
    fetch_source cjson
    local v=$src_version src=$src_dir
    echo "== building cJSON $v for Windows ($arch)"
    rm -rf "$work/build-cjson"
    cmake -S "$src" -B "$work/build-cjson" -G Ninja \
      -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=$arch \
      -DCMAKE_C_COMPILER="$cc" -DCMAKE_RC_COMPILER="$host-windres" \
      -DCMAKE_C_FLAGS="$arch_flags" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DBUILD_SHARED_LIBS=OFF -DBUILD_SHARED_AND_STATIC_LIBS=OFF \
      -DENABLE_CJSON_TEST=OFF -DENABLE_CJSON_UTILS=OFF -DENABLE_TARGET_EXPORT=OFF \
      -DENABLE_CUSTOM_COMPILER_FLAGS=OFF -DENABLE_HIDDEN_SYMBOLS=OFF \
      >"$work/cjson-configure.log" 2>&1 || { cat "$work/cjson-configure.log" >&2; return 1; }
    cmake --build "$work/build-cjson" -j "$jobs" >"$work/cjson-build.log" 2>&1 ||
      { cat "$work/cjson-build.log" >&2; return 1; }
    cmake --install "$work/build-cjson" >/dev/null
    test -f "$prefix/lib/libcjson.a"
    write_stamp cjson "$v" $cjson_recipe
    rm -rf "$work/build-cjson" "$work/src-cjson"
  }
  build_cjson i686
  build_cjson x86_64

  # ---- 3b. OpenSSL (libssl + libcrypto only) ------------------------------
  if stamp_ok openssl $openssl_recipe; then
    echo "== OpenSSL $(stamp_of openssl) (cached)"
  else
    prepare_apt
    fetch_source openssl
    local v=$src_version src=$src_dir
    echo "== building OpenSSL $v for Windows (a few minutes)"
    # Only the libraries are built, at -O1; algorithms and protocols that no
    # client here uses are left out to keep the build short.
    (
      cd "$src"
      ./Configure mingw --cross-compile-prefix="$host-" CC=gcc-posix CXX=g++-posix \
        --prefix="$prefix" --libdir=lib --openssldir="$prefix/ssl" \
        no-shared no-tests no-module no-legacy no-engine no-dso no-asm \
        no-idea no-mdc2 no-rc5 no-whirlpool no-seed no-camellia no-aria no-sm2 no-sm3 no-sm4 \
        no-srp no-gost no-ssl3 no-weak-ssl-ciphers no-ui-console \
        no-cmp no-cms no-ts no-ct no-ocsp no-rfc3779 no-srtp no-dtls no-sctp \
        -O1 $arch_flags
      make -j "$jobs" build_libs
      make install_dev
    ) >"$work/openssl-build.log" 2>&1 || { tail -n 60 "$work/openssl-build.log" >&2; return 1; }
    test -f "$prefix/lib/libssl.a" -a -f "$prefix/lib/libcrypto.a"
    write_stamp openssl "$v" $openssl_recipe
    rm -rf "$work/src-openssl"
  fi

  # ---- 3c. GoogleTest (from the installed googletest sources) -------------
  local gtest_v
  gtest_v=$(dpkg-query -W -f='${Version}' googletest)
  if stamp_ok googletest $gtest_recipe && [[ "$(stamp_of googletest)" == "$gtest_v r$gtest_recipe" ]]; then
    echo "== GoogleTest $gtest_v (cached)"
  else
    echo "== building GoogleTest $gtest_v for Windows"
    rm -rf "$work/build-gtest"
    cmake -S /usr/src/googletest -B "$work/build-gtest" -G Ninja \
      -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=$arch \
      -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" \
      -DCMAKE_C_FLAGS="$arch_flags" -DCMAKE_CXX_FLAGS="$arch_flags" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=ON \
      >"$work/gtest-configure.log" 2>&1 || { cat "$work/gtest-configure.log" >&2; return 1; }
    cmake --build "$work/build-gtest" -j "$jobs" >"$work/gtest-build.log" 2>&1 ||
      { cat "$work/gtest-build.log" >&2; return 1; }
    cmake --install "$work/build-gtest" >/dev/null
    test -f "$prefix/lib/libgtest.a"
    write_stamp googletest "$gtest_v" $gtest_recipe
    rm -rf "$work/build-gtest"
  fi

  printf 'export QUORIN_DEPS_PREFIX=%q\n' "$prefix" > "$cache/env.sh"
  export QUORIN_DEPS_PREFIX="$prefix"
  echo "QUORIN_DEPS_PREFIX=$prefix"
}

if [[ "${BASH_SOURCE[0]}" != "$0" ]]; then
  # Sourced: do the work in a child shell, then export the prefix here.
  if bash "${BASH_SOURCE[0]}" "$@"; then
    QUORIN_DEPS_PREFIX=$(bash "${BASH_SOURCE[0]}" --print-prefix)
    export QUORIN_DEPS_PREFIX
  else
    return 1
  fi
else
  set -euo pipefail
  quorin_setup_main "$@"
fi
