# Sourced by installer-test.sh: clicks the setup wizard through as a user would, on the
# sandbox's own display, and keeps a screenshot of every page in BUILD/screenshots.
# Sets wizard_ended to the setup's exit code and wizard_started to yes when the finish
# page started the program.

look() { DISPLAY=$display import -window "$wizard" "$1" 2>/dev/null; }
# How many pixels two looks differ in; a blinking caret is a dozen.
pixels_apart() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }'; }

# Waits until the wizard shows a page other than the last one and that page has stayed
# the same over two looks (drawn in full); keeps it as NAME. With a colour test, also
# until the page's left edge is the welcome and finish pages' picture.
wait_page() {
    local name=$1 want_picture=${2:-} shot=$work/page.png previous=$work/previous.png apart
    rm -f "$previous"
    for _ in $(seq 600); do
        sleep 0.3
        look "$shot" || continue
        if [ -f "$work/last-page.png" ] && [ "$(pixels_apart "$shot" "$work/last-page.png")" -lt 400 ]; then
            continue
        fi
        if [ ! -f "$previous" ] || [ "$(pixels_apart "$shot" "$previous")" -gt 40 ]; then
            cp "$shot" "$previous"
            continue
        fi
        if [ -n "$want_picture" ]; then
            # The navy of the skin's title band, where the inner pages are white.
            [ "$(convert "$shot" -crop 1x1+20+150 -format '%[fx:r<0.4 && b>r]' info:)" = 1 ] || continue
        fi
        cp "$shot" "$build/screenshots/setup-$name.png"
        cp "$shot" "$work/last-page.png"
        return 0
    done
    echo "  the wizard never showed its $name page" >&2
    return 1
}

# Enter presses the page's default button: Next, I Agree, Install or Finish.
click_next() {
    DISPLAY=$display xdotool windowactivate "$wizard" >/dev/null 2>&1
    DISPLAY=$display xdotool windowfocus "$wizard" key Return >/dev/null 2>&1
}

# A wizard that stopped on a page would keep the sandbox's Wine running for ever.
end_wizard() {
    kill "$1" 2>/dev/null
    (SANDBOX=$(cd "$HUSHMARK_SANDBOX" && pwd -P); . "$tools/sandbox-lib.sh"; sandbox_env; wineserver -k) 2>/dev/null
    wait "$1" 2>/dev/null
}

run_wizard() {
    local page
    wizard_started=no wizard_ended=none
    rm -f "$work/last-page.png"
    rm -f "$build"/screenshots/setup-*.png
    "$tools/wine-run" "$1" >"$work/wizard.out" 2>&1 &
    local job=$!
    wizard=
    for _ in $(seq 600); do
        display=$(cat "$HUSHMARK_SANDBOX/display" 2>/dev/null)
        [ -n "$display" ] && wizard=$(DISPLAY=$display xdotool search --name '^Hushmark .* Setup' 2>/dev/null | head -n 1)
        [ -n "$wizard" ] && break
        sleep 0.2
    done
    [ -n "$wizard" ] || { echo "  no wizard window" >&2; end_wizard $job; return; }
    wait_page 1-welcome picture || { end_wizard $job; return; }
    for page in 2-licence 3-folder 4-start-menu 5-components; do
        click_next
        wait_page $page || { end_wizard $job; return; }
    done
    click_next
    wait_page 6-finished picture || { end_wizard $job; return; }
    click_next
    wait "$job"
    wizard_ended=$?
    local main=
    for _ in $(seq 600); do
        main=$(DISPLAY=$display xdotool search --onlyvisible --name '^Hushmark$' 2>/dev/null | head -n 1)
        [ -n "$main" ] && break
        sleep 0.2
    done
    [ -n "$main" ] || return
    wizard_started=yes
    # Its own window draws a moment later; a look that fails is only a missing picture.
    for _ in $(seq 50); do
        DISPLAY=$display import -window "$main" "$build/screenshots/setup-7-started.png" 2>/dev/null && break
        sleep 0.2
    done
}
