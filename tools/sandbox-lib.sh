# Shared by the sandbox tools: the environment that keeps Wine inside one folder.
# Source it with SANDBOX set to an absolute folder.

sandbox_env() {
    export WINEPREFIX="$SANDBOX/prefix"
    export HOME="$SANDBOX/home"
    export XDG_DATA_HOME="$SANDBOX/xdg/data"
    export XDG_CONFIG_HOME="$SANDBOX/xdg/config"
    export XDG_CACHE_HOME="$SANDBOX/xdg/cache"
    export XDG_DESKTOP_DIR="$SANDBOX/home"
    export WINEARCH=win32
    export WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko prompts, no desktop menu entries.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset WINESERVER WINELOADER
}
