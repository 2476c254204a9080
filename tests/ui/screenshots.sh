# Sourced by the driver scripts: keeps the sandbox's screenshots that match a pattern as
# PNG files in the build folder, where a reviewer finds them after the run.
keep_screenshots() {
    local build=$1 pattern=$2 shot
    mkdir -p "$build/screenshots"
    for shot in "$HUSHMARK_SANDBOX"/prefix/drive_c/hushmark/screens/$pattern.bmp; do
        [ -f "$shot" ] && convert "$shot" "$build/screenshots/$(basename "${shot%.bmp}").png"
    done
}
