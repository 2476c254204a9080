# Sourced by installer-test.sh: clicks the setup wizard through as a user would, on the
# sandbox's own display, and keeps a screenshot of every page in BUILD/screenshots.
# Sets wizard_ended to the setup's exit code and wizard_started to yes when the finish
# page started the program.

# Next, I Agree, Install and Finish share one place at the bottom right of the wizard.
next_x=421 next_y=338

picture_of() { DISPLAY=$display import -window "$1" "$2" 2>/dev/null && convert "$2" rgb:- 2>/dev/null | md5sum | cut -c1-32; }

# Waits until the wizard shows a page other than the last one and that page has stayed
# the same over three looks (drawn in full); keeps it as NAME. With a colour test, also
# until the page's left edge is the welcome and finish pages' picture.
wait_page() {
    local name=$1 want_picture=${2:-} shot=$work/page.png sum steady=0 previous=
    for _ in $(seq 600); do
        sleep 0.4
        sum=$(picture_of "$wizard" "$shot") || continue
        if [ "$sum" = "$last_page" ] || [ "$sum" != "$previous" ]; then
            previous=$sum steady=0
            continue
        fi
        steady=$((steady + 1))
        [ $steady -ge 2 ] || continue
        if [ -n "$want_picture" ]; then
            # The navy of the skin's title band, where the inner pages are white.
            [ "$(convert "$shot" -crop 1x1+20+150 -format '%[fx:r<0.4 && b>r]' info:)" = 1 ] || continue
        fi
        cp "$shot" "$build/screenshots/setup-$name.png"
        last_page=$sum
        return 0
    done
    echo "  the wizard never showed its $name page" >&2
    return 1
}

click_next() { DISPLAY=$display xdotool mousemove --window "$wizard" $next_x $next_y click 1; }

run_wizard() {
    local page
    wizard_started=no wizard_ended=none last_page=
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
    [ -n "$wizard" ] || { echo "  no wizard window" >&2; return; }
    wait_page 1-welcome picture || return
    for page in 2-licence 3-folder 4-start-menu 5-components; do
        click_next
        wait_page $page || return
    done
    click_next
    wait_page 6-finished picture || return
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
