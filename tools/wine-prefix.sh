# Sourced by the scripts that run Windows programs under Wine. Expects $arch: 64 runs
# the win64 build's programs with the 64-bit loader, 32 the win32 build's with the
# 32-bit one (package wine32:i386). Each architecture has its own prefix, in its build
# folder ($build/wineprefix; $build defaults to build/win$arch), made on first use and
# made anew when the installed Wine has changed since. Sets $wine, the loader to run.
# Expects $here, the source folder.
: "${build:=$here/build/win$arch}"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$arch" = 32 ]; then
  wine=/usr/lib/wine/wine
  export WINEARCH=win32
else
  wine=/usr/lib/wine/wine64
  export WINEARCH=win64
fi
export WINELOADER="$wine"
if [ ! -x "$wine" ]; then
  echo "wine-prefix: $wine is missing: the ${arch}-bit Wine is not installed" >&2
  exit 2
fi

# What the prefix was made with: a prefix made by wine64 alone fails under the same Wine
# once wine32 is added ("could not load kernel32.dll"), so any change of the installed
# loaders or of this set-up makes it anew.
wine_setup="fxmonitor wine set-up 2; $("$wine" --version 2>/dev/null); $(ls /usr/lib/wine | tr '\n' ' ')"
if [ "$(cat "$WINEPREFIX/fxmonitor-setup" 2>/dev/null)" != "$wine_setup" ]; then
  if [ -d "$WINEPREFIX" ]; then
    echo "wine-prefix: the installed Wine has changed; making $WINEPREFIX anew" >&2
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$build"
  # The first start makes the prefix (some seconds).
  "$wine" wineboot -i >/dev/null 2>&1
  # The control font's face, "Ariel", exists on no system. Windows' font mapper takes
  # the closest face it has, Arial; Wine takes whatever the machine has (often the
  # wider DejaVu Sans, which cuts labels). Liberation Sans has Arial's metrics.
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Ariel /d 'Liberation Sans' /f \
    >/dev/null 2>&1
  # The caption buttons are glyphs of Wine's Marlett font, which some Wine packages do
  # not load from their own folder; a copy in the prefix's font folder is always found.
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
  wineserver -w
  printf '%s' "$wine_setup" >"$WINEPREFIX/fxmonitor-setup"
fi
