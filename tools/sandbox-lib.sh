# Shared by the sandbox tools: the environment that keeps Wine inside one folder.
# Source it with SANDBOX set to an absolute folder. make-sandbox records the layout in
# "$SANDBOX/layout"; a 64-bit prefix needs WINEARCH=win64 and the 64-bit loader for the
# prefix's own tools, while the 32-bit programs still run through the 32-bit loader.

sandbox_env() {
    export WINEPREFIX="$SANDBOX/prefix"
    export HOME="$SANDBOX/home"
    export XDG_DATA_HOME="$SANDBOX/xdg/data"
    export XDG_CONFIG_HOME="$SANDBOX/xdg/config"
    export XDG_CACHE_HOME="$SANDBOX/xdg/cache"
    export XDG_DESKTOP_DIR="$SANDBOX/home"
    HM_LAYOUT=$(cat "$SANDBOX/layout" 2>/dev/null || echo xp)
    if [ "$HM_LAYOUT" = win64 ]; then
        export WINEARCH=win64
        HM_WINE_TOOLS=/usr/lib/wine/wine64
    else
        export WINEARCH=win32
        HM_WINE_TOOLS=wine
    fi
    export WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko prompts, no desktop menu entries.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset WINESERVER WINELOADER
}
