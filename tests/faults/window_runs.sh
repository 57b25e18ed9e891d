#!/bin/bash
# The settings file through the real game on an X display (Xvfb + a window
# manager): a hand-written Reversi.ini kept through a start and exit, two
# copies that change different settings closing in both orders and at once,
# and kill -9 just after Exit.
#   DISPLAY=:95 tests/faults/window_runs.sh [BUILD_DIR] [RUNS]
set -u
build=$(realpath "${1:-build/dev}")
runs=${2:-5}
work=$(mktemp -d /tmp/vz-window-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp "$build/shell/vezari-zaduder" "$work/" || exit 1
cd "$work" || exit 1
export QT_QPA_PLATFORM=xcb

row() { printf '| %-58s | %5s | %s |\n' "$1" "$2" "$3"; }
# Starts a copy; prints "pid window" once its main window is up (the splash
# has gone).
start() {
  ./vezari-zaduder >/dev/null 2>&1 &
  local pid=$!
  sleep 4.5
  echo "$pid $(xdotool search --sync --pid "$pid" --name '^Vezari Zaduder$' | tail -1)"
}
# View menu item $2 (0 = Show Thinking, 1 = Show Legal Moves, 7 = Sound).
toggle() {
  xdotool windowactivate --sync "$1" key alt+v
  sleep 0.3
  for ((k = 0; k < $2; k++)); do xdotool key Down; done
  xdotool key Return
  sleep 0.3
}
quit() { xdotool windowactivate --sync "$1" key alt+x; }
# Waits for the copies (not children of this shell: started in a subshell).
gone() { for p; do while kill -0 "$p" 2>/dev/null; do sleep 0.02; done; done; }

echo "| input or fault | times | outcome |"
echo "|---|---|---|"

# 1. A hand-written file: CRLF, comments, a section of its own, Selective
#    missing. Nothing is changed in the run.
printf '; mine\r\n[Preferences]\r\n; display\r\nThinking=0\r\nShowFlips=0\r\nShow_Legal_Moves=0\r\nStatistics=1\r\nBest_Line=1\r\nSound=1\r\n\r\n[Mine]\r\nx=1\r\n\r\n[Level]\r\nMove_Time=2\r\nTwo_Player=0\r\nLevel=0\r\nGamma=40\r\nSelective_Depth=5\r\n' >Reversi.ini
cp Reversi.ini hand-written.ini
read -r pid win < <(start)
quit "$win"
gone "$pid"
# Every line kept as it was; the lines the program adds are listed.
lost=$(diff hand-written.ini Reversi.ini | grep -c '^<')
added=$(diff hand-written.ini Reversi.ini | grep '^>' | tr -d '\r' | cut -c3- | paste -sd ' ')
if ((lost == 0)); then outcome="every line kept byte for byte; added: $added"; else outcome="$lost lines CHANGED: $(diff hand-written.ini Reversi.ini | head -4 | tr '\n' ' ')"; fi
row "hand-written Reversi.ini, start and exit" 1 "$outcome"

# 2. Two copies: A turns Sound off, B turns Show Legal Moves on.
for order in "A then B" "B then A" "at once"; do
  kept=0 lost=0
  for ((i = 0; i < runs; i++)); do
    rm -f Reversi.ini
    read -r pa wa < <(start)
    read -r pb wb < <(start)
    toggle "$wa" 7
    toggle "$wb" 1
    case $order in
      "A then B") quit "$wa"; gone "$pa"; quit "$wb"; gone "$pb" ;;
      "B then A") quit "$wb"; gone "$pb"; quit "$wa"; gone "$pa" ;;
      *) quit "$wa"; quit "$wb"; gone "$pa" "$pb" ;;
    esac
    if grep -q "^Sound=0" Reversi.ini && grep -q "^Show_Legal_Moves=1" Reversi.ini; then ((kept++)); else ((lost++)); fi
  done
  row "two copies of the game closing, $order" "$runs" "both changes kept $kept, a change lost $lost"
done

# 3. kill -9 at a random moment 0-30 ms after Exit, with Sound switched.
old=$(cat Reversi.ini) wholeOld=0 wholeNew=0 other=0
for ((i = 0; i < runs * 4; i++)); do
  before=$(cat Reversi.ini)
  read -r pid win < <(start)
  toggle "$win" 7
  quit "$win"
  sleep "0.0$((RANDOM % 3))$((RANDOM % 10))"
  kill -9 "$pid" 2>/dev/null
  gone "$pid"
  now=$(cat Reversi.ini)
  flipped=$(sed 's/^Sound=0/Sound=X/; s/^Sound=1/Sound=0/; s/^Sound=X/Sound=1/' <<<"$before")
  if [[ $now == "$before" ]]; then ((wholeOld++)); elif [[ $now == "$flipped" ]]; then ((wholeNew++)); else ((other++)); fi
done
row "kill -9 0-30 ms after Exit (Sound switched)" "$((runs * 4))" "wholly old $wholeOld, wholly new $wholeNew, other $other"

# 4. A pipe at the settings file or at its lock: Exit neither hangs nor
#    drops the settings without a word; a box names the file and the
#    reason, and Return (Yes) closes without them.
for at in Reversi.ini Reversi.ini.lock; do
  told=0 closed=0
  for ((i = 0; i < runs; i++)); do
    rm -f Reversi.ini Reversi.ini.lock
    mkfifo "$at"
    read -r pid win < <(start)
    quit "$win"
    sleep 1.5
    box=$(xdotool search --pid "$pid" --name '^Vezari Zaduder$' | grep -vx "$win" | head -1)
    [[ -n $box ]] && ((told++))
    [[ -n $box ]] && xdotool windowactivate --sync "$box" key Return
    for ((t = 0; t < 50 && $(kill -0 "$pid" 2>/dev/null && echo 1); t++)); do sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; else ((closed++)); fi
    rm -f "$at"
  done
  row "a pipe at $at, then Exit" "$runs" "a box named it $told, closed after Yes $closed"
done
