#!/usr/bin/env bash
# Windows x86-64 build of MIRANDEL, cross-compiled on Debian 12 from Debian's packages
# alone, and its proof under Wine.
#
#   scripts/windows.sh [stage...]      stages: packages sources qt svg app zip wine
#                                      (no stage: all of them, in this order)
#
# Everything lands in build/windows/: the private apt configuration (apt/), the Debian
# source packages (src/), the Windows Qt (qt/, reused while qt/.installed exists),
# MIRANDEL's build (app/), the zip and the Wine prefix (wine/).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/windows
apt_dir=$out/apt
src_dir=$out/src
qt_prefix=$out/qt
qt_build=$out/qt-build
svg_build=$out/svg-build
app_build=$out/app
toolchain=$root/packaging/windows/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
jobs=${JOBS:-$(nproc)}
version=$(sed -n 's/^project(mirandel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip_file=$out/mirandel-$version-win64.zip
mkdir -p "$out"

log() { printf '== %s  %s\n' "$(date -u +%H:%M:%S)" "$*"; }

# -- packages: the cross compiler, Wine and the tools of the proof -----------------------
stage_packages() {
    "$root/scripts/install-packages.sh" cmake ninja-build dpkg-dev xz-utils \
        qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
        g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth xdotool x11-apps imagemagick \
        tesseract-ocr zip
}

# -- sources: Debian's Qt source packages through a private apt configuration -------------
apt_private() {
    apt-get -o Dir::Etc="$apt_dir/etc" -o Dir::Etc::sourcelist="$apt_dir/etc/sources.list" \
        -o Dir::Etc::sourceparts="$apt_dir/etc/sources.list.d" \
        -o Dir::Etc::preferencesparts="$apt_dir/etc/preferences.d" \
        -o Dir::State="$apt_dir/state" -o Dir::State::status=/var/lib/dpkg/status \
        -o Dir::Cache="$apt_dir/cache" -o Debug::NoLocking=1 "$@"
}

stage_sources() {
    # The same mirror and suite as the machine's own binary packages.
    local sources=/etc/apt/sources.list.d/debian.sources mirror suite
    mirror=$(sed -n 's/^URIs: *\([^ ]*debian\)$/\1/p' "$sources" 2>/dev/null | head -1)
    mirror=${mirror:-http://deb.debian.org/debian}
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt_dir"/etc/sources.list.d "$apt_dir"/etc/preferences.d \
        "$apt_dir"/state/lists/partial "$apt_dir"/cache/archives/partial "$src_dir"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main" \
        >"$apt_dir/etc/sources.list"
    apt_private -qq update
    cd "$src_dir"
    if [ ! -d qtbase ]; then
        apt_private -qq source --download-only qt6-base
        dpkg-source --no-check -x qt6-base_*.dsc qtbase
    fi
    if [ ! -f qtbase/.mirandel-patched ]; then
        patch -d qtbase -p1 <"$root/packaging/windows/qtbase-printsupport-directwrite.patch"
        touch qtbase/.mirandel-patched
    fi
    # Debian's qt6-svg 6.4.2 source (its .dsc is listed) cannot be fetched from the mirror:
    # its tarballs answer 404. Debian's Qt 5 SVG source is there, and its code builds against
    # Qt 6 with the small CMake project in packaging/windows/qtsvg.
    if [ ! -d qtsvg ] && ! { apt_private -qq source --download-only qt6-svg 2>/dev/null &&
        dpkg-source --no-check -x qt6-svg_*.dsc qtsvg6; }; then
        apt_private -qq source --download-only qtsvg-opensource-src
        dpkg-source --no-check -x qtsvg-opensource-src_*.dsc qtsvg
    fi
}

# -- qt: qtbase for Windows (Core Gui Widgets PrintSupport Test), cached --------------------
stage_qt() {
    if [ -f "$qt_prefix/.installed" ]; then
        log "Windows Qt already built in $qt_prefix"
        return
    fi
    local started=$SECONDS
    mkdir -p "$qt_build" && cd "$qt_build"
    if [ -f build.ninja ]; then
        # An interrupted build goes on where it stopped.
        log "resuming the Qt build in $qt_build"
    else
        # Only what the program and its tests use; tablets (the Wintab header is not in
        # Debian's source), DirectWrite 3 (not in mingw-w64 10's headers) and Direct2D
        # are left out: text is drawn by GDI's font engine.
        "$src_dir/qtbase/configure" -prefix "$qt_prefix" -release -shared \
            -xplatform win32-g++ -qt-host-path /usr -nomake tests -nomake examples \
            -no-opengl -no-feature-vulkan -no-freetype -no-feature-tabletevent \
            -no-feature-directwrite3 -no-feature-direct2d -no-feature-sql \
            -no-feature-network -no-feature-dbus -no-feature-concurrent -no-feature-xml \
            -qt-zlib -qt-libpng -no-feature-jpeg -qt-pcre -qt-harfbuzz \
            -qt-doubleconversion -ccache \
            -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$out/qt-configure.log" 2>&1
    fi
    log "Qt configured in $((SECONDS - started)) s; building (log: $out/qt-build.log)"
    nice -n "${QT_NICE:-15}" cmake --build . --parallel "$jobs" >>"$out/qt-build.log" 2>&1
    nice -n "${QT_NICE:-15}" cmake --install . >"$out/qt-install.log" 2>&1
    echo "$((SECONDS - started))" >"$qt_prefix/.installed"
    log "Windows Qt built and installed in $(( (SECONDS - started) / 60 )) min"
}

# -- svg: Qt SVG for the Windows Qt, from Debian's Qt 5.15 SVG source ported to Qt 6 --------
qt_cmake() {
    # CMake for the Windows Qt: its toolchain file loads ours and finds Debian's host tools.
    cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
}

stage_svg() {
    if [ -f "$qt_prefix/.svg-installed" ]; then
        log "Qt SVG already built into $qt_prefix"
        return
    fi
    local started=$SECONDS work=$src_dir/qtsvg-qt6
    rm -rf "$work" && cp -a "$src_dir/qtsvg" "$work"
    patch -d "$work" -p1 -s <"$root/packaging/windows/qtsvg/qtsvg-qt6.patch"
    rm -rf "$svg_build"
    qt_cmake -S "$root/packaging/windows/qtsvg" -B "$svg_build" -DQTSVG_SOURCE="$work" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" >"$out/svg-configure.log" 2>&1
    cmake --build "$svg_build" --parallel "$jobs" >"$out/svg-build.log" 2>&1
    cmake --install "$svg_build" >>"$out/svg-build.log" 2>&1
    echo "$((SECONDS - started))" >"$qt_prefix/.svg-installed"
    log "Qt SVG built in $((SECONDS - started)) s"
}

# -- app: MIRANDEL and its core tests for Windows ------------------------------------------
core_tests() { (cd "$app_build" && ctest -N -L '^(core|fuzz)$' | sed -n 's/^ *Test *#[0-9]*: //p'); }

stage_app() {
    local started=$SECONDS
    # The program icon, drawn by Debian's Qt SVG from the same SVG as the Linux desktop icon.
    local icon=$out/icon
    mkdir -p "$icon"
    # shellcheck disable=SC2046
    g++ -std=c++17 -fPIC -o "$icon/svgicon" "$root/packaging/windows/svgicon.cpp" \
        $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
    QT_QPA_PLATFORM=offscreen "$icon/svgicon" "$root/resources/icons/mirandel.svg" "$icon" \
        256 64 48 32 24 16
    convert "$icon"/icon-{256,64,48,32,24,16}.png "$out/mirandel.ico"
    qt_cmake -S "$root" -B "$app_build" -DMIRANDEL_BUILD_BENCH=OFF \
        -DMIRANDEL_WINDOWS_ICON="$out/mirandel.ico" >"$out/app-configure.log" 2>&1
    # The program and the tests that need no window (they run under Wine).
    cmake --build "$app_build" --parallel "$jobs" --target mirandel $(core_tests) \
        >"$out/app-build.log" 2>&1
    log "MIRANDEL built for Windows in $((SECONDS - started)) s"
}

# -- zip: what a Windows PC needs beside mirandel.exe ---------------------------------------
system_dll() {
    case ${1,,} in
    kernel32.dll | user32.dll | gdi32.dll | shell32.dll | ole32.dll | oleaut32.dll | \
        advapi32.dll | comdlg32.dll | winspool.drv | msvcrt.dll | ws2_32.dll | version.dll | \
        winmm.dll | imm32.dll | dwmapi.dll | uxtheme.dll | shlwapi.dll | netapi32.dll | \
        userenv.dll | wtsapi32.dll | setupapi.dll | mpr.dll | d3d9.dll | d3d11.dll | \
        dxgi.dll | dwrite.dll | d2d1.dll | comctl32.dll | authz.dll | shcore.dll | \
        api-ms-win-*) return 0 ;;
    esac
    return 1
}

stage_zip() {
    local name=mirandel-$version-win64 dir f dll missing=0
    dir=$out/stage/$name
    rm -rf "$out/stage" && mkdir -p "$dir"/{platforms,imageformats,iconengines,styles}
    cp "$app_build/src/app/mirandel.exe" "$dir/"
    cp -r "$root/resources/site" "$dir/site"
    for f in Core Gui Widgets PrintSupport Svg SvgWidgets; do
        cp "$qt_prefix/bin/Qt6$f.dll" "$dir/"
    done
    cp "$qt_prefix/plugins/platforms/qwindows.dll" "$dir/platforms/"
    cp "$qt_prefix/plugins/imageformats/qsvg.dll" "$dir/imageformats/"
    cp "$qt_prefix/plugins/iconengines/qsvgicon.dll" "$dir/iconengines/"
    cp "$qt_prefix"/plugins/styles/*.dll "$dir/styles/"
    if [ -d "$qt_prefix/plugins/printsupport" ]; then
        mkdir -p "$dir/printsupport" && cp "$qt_prefix"/plugins/printsupport/*.dll "$dir/printsupport/"
    fi
    # The MinGW runtime of the posix-thread compilers.
    local gcc_dir
    gcc_dir=$(dirname "$($triplet-g++-posix -print-libgcc-file-name)")
    cp "$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll" "$dir/"
    cp "/usr/$triplet/lib/libwinpthread-1.dll" "$dir/"
    # Every DLL that a file of the zip imports is in the zip or part of Windows.
    while IFS= read -r f; do
        while IFS= read -r dll; do
            [ -f "$dir/$dll" ] || system_dll "$dll" || {
                echo "missing: $dll (imported by ${f#"$dir"/})" >&2
                missing=1
            }
        done < <($triplet-objdump -p "$f" | sed -n 's/^\tDLL Name: //p')
    done < <(find "$dir" -name '*.exe' -o -name '*.dll')
    ((missing == 0)) || return 1
    $triplet-strip "$dir"/*.exe "$dir"/*.dll "$dir"/*/*.dll
    rm -f "$zip_file"
    (cd "$out/stage" && zip -qr -9 "$zip_file" "$name")
    log "$zip_file: $(du -h "$zip_file" | cut -f1)"
}

# -- wine: the proof -------------------------------------------------------------------------
stage_wine() {
    OUT=$out APP_BUILD=$app_build ZIP=$zip_file "$root/scripts/windows-wine.sh"
}

run_stage() {
    local s
    for s in "$@"; do
        log "stage $s"
        "stage_$s"
    done
}

if (($#)); then run_stage "$@"; else run_stage packages sources qt svg app zip wine; fi
