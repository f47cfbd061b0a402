# Sourced by the scripts that run the win64 build under Wine: one prefix per build
# folder, quiet, made on first use. Expects $build (the win64 build folder).
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The first start makes the prefix (some seconds); do it once, before anything runs.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# The caption buttons are glyphs of Wine's Marlett font, which some Wine packages do not
# load from their own folder; a copy in the prefix's font folder is always found.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
