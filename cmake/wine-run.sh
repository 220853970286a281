#!/bin/sh
# Runs one Windows program under Wine with no prompts and no debug noise. Wine needs a display
# to create windows: the caller runs the test session under xvfb-run.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
