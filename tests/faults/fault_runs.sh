#!/bin/bash
# Fault runs for the game and settings files: kill -9 at random moments of a
# save and of the settings write at exit, two copies closing in both orders
# and at once, and links planted at every temporary name the writers use.
#   tests/faults/fault_runs.sh [BUILD_DIR] [RUNS]
# Prints one table row per fault: what was done, how often, the outcome.
set -u
build=$(realpath "${1:-build/dev}")
runs=${2:-300}
analyze=$build/tools/vezari-analyze
writer=$build/tests/faults/settings_exit
work=$(mktemp -d /tmp/vz-faults-XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

row() { printf '| %-58s | %5s | %s |\n' "$1" "$2" "$3"; }
# A random pause of 0 to $1 milliseconds.
# read's time-out on a pipe that never delivers: no process to start.
mkfifo never && exec 9<>never
pause() { read -r -t "0.$(printf '%03d' $((RANDOM % $1)))" -u 9; }
leftovers() { find . -maxdepth 1 -name "$1" | wc -l; }  # files named by the pattern $1

echo "| input or fault | times | outcome |"
echo "|---|---|---|"

# 1. kill -9 during a save of a game.
old="3 51 58 30 3" new="1 51 1"
"$analyze" --eval --save game.RGM f5d6c3 >/dev/null
wholeOld=0 wholeNew=0 other=0 midWrite=0
for ((i = 0; i < runs; i++)); do
  if ((i % 2)); then moves=f5d6c3; else moves=f5; fi
  "$analyze" --eval --save game.RGM "$moves" >/dev/null 2>&1 &
  pause 15
  kill -9 $! 2>/dev/null
  wait $! 2>/dev/null
  (($(leftovers ".game.RGM.tmp$!-*"))) && ((midWrite++))
  text=$(cat game.RGM)
  if [[ $text == "$old" ]]; then ((wholeOld++)); elif [[ $text == "$new" ]]; then ((wholeNew++)); else ((other++)); fi
done
"$analyze" --eval --save game.RGM f5 >/dev/null  # a later save clears what the killed ones left
row "kill -9 during vezari-analyze --save (0-15 ms after start)" "$runs" \
  "wholly old $wholeOld, wholly new $wholeNew, other $other; killed while writing $midWrite; temporaries left after a later save: $(leftovers '.game.RGM.tmp*')"

# 2. kill -9 during the settings write at exit.
"$writer" Reversi.ini flip && a=$(cat Reversi.ini)
"$writer" Reversi.ini flip && b=$(cat Reversi.ini)
wholeA=0 wholeB=0 other=0 midWrite=0
for ((i = 0; i < runs; i++)); do
  "$writer" Reversi.ini cycle &
  pause 100
  kill -9 $! 2>/dev/null
  wait $! 2>/dev/null
  (($(leftovers ".Reversi.ini.tmp$!-*"))) && ((midWrite++))
  text=$(cat Reversi.ini)
  if [[ $text == "$a" ]]; then ((wholeA++)); elif [[ $text == "$b" ]]; then ((wholeB++)); else ((other++)); fi
done
"$writer" Reversi.ini flip
row "kill -9 during the settings write (reads and writes in a loop)" "$runs" \
  "wholly one set $wholeA, wholly the other $wholeB, other $other; killed while writing $midWrite; temporaries left after a later write: $(leftovers '.Reversi.ini.tmp*')"

# 3. Two copies: one turns Sound off, the other sets the level; neither
#    change may be lost, whatever the order.
for order in "sound then level" "level then sound" "at once"; do
  kept=0 lost=0
  for ((i = 0; i < runs / 3; i++)); do
    rm -f Reversi.ini
    case $order in
      "sound then level") "$writer" Reversi.ini sound; "$writer" Reversi.ini level ;;
      "level then sound") "$writer" Reversi.ini level; "$writer" Reversi.ini sound ;;
      *) "$writer" Reversi.ini sound & "$writer" Reversi.ini level & wait ;;
    esac
    if grep -qx "Sound=0" Reversi.ini && grep -qx "Level=7" Reversi.ini && [[ $(grep -c = Reversi.ini) == 12 ]]; then
      ((kept++))
    else
      ((lost++))
    fi
  done
  row "two copies closing, $order" "$((runs / 3))" "both changes and all 12 keys kept $kept, change lost $lost"
done

# 4. Links planted at the temporary names a process will use (its id is
#    known before it starts: the shell execs it), and at the lock file.
echo mine > notes.txt
for planted in 10 100; do
  rm -f game.RGM .game.RGM.tmp*
  bash -c 'for ((n = 0; n < '$planted'; n++)); do ln -s notes.txt ".game.RGM.tmp$$-$n"; done
           exec "$0" --eval --save game.RGM f5' "$analyze" >/dev/null 2>&1
  status=$?
  row "links at the first $planted temporary names of a game save" 1 \
    "exit $status, notes.txt $( [[ $(cat notes.txt) == mine ]] && echo untouched || echo CHANGED), game.RGM $( [[ -L game.RGM ]] && echo 'a link' || echo "'$(cat game.RGM 2>/dev/null)'")"
done
rm -f Reversi.ini .Reversi.ini.tmp*
ln -s notes.txt Reversi.ini.lock
bash -c 'for ((n = 0; n < 10; n++)); do ln -s notes.txt ".Reversi.ini.tmp$$-$n"; done; exec "$0" Reversi.ini flip' "$writer" 2>err
row "links at the lock file and the first 10 temporary names of the settings" 1 \
  "exit $?, notes.txt $( [[ $(cat notes.txt) == mine ]] && echo untouched || echo CHANGED), Reversi.ini $( [[ -L Reversi.ini ]] && echo 'a link' || echo "has $(grep -sc = Reversi.ini) keys"); $(head -c 90 err)"
rm -f Reversi.ini.lock .Reversi.ini.tmp*
bash -c 'for ((n = 0; n < 10; n++)); do ln -s notes.txt ".Reversi.ini.tmp$$-$n"; done; exec "$0" Reversi.ini flip' "$writer"
row "links at the first 10 temporary names of the settings" 1 \
  "exit $?, notes.txt $( [[ $(cat notes.txt) == mine ]] && echo untouched || echo CHANGED), Reversi.ini $( [[ -L Reversi.ini ]] && echo 'a link' || echo "has $(grep -sc = Reversi.ini) keys")"

# 5. Two copies closing while the first one's disk takes 5 s to flush: the
#    second waits for the lock instead of writing under the first.
kept=0 lost=0
for ((i = 0; i < runs / 60 + 1; i++)); do
  rm -f Reversi.ini
  "$writer" Reversi.ini slow-sound &
  pause 500
  "$writer" Reversi.ini level
  wait
  if grep -qx "Sound=0" Reversi.ini && grep -qx "Level=7" Reversi.ini; then ((kept++)); else ((lost++)); fi
done
row "two copies closing, the first one's flush slowed by 5 s" "$((runs / 60 + 1))" "both changes kept $kept, change lost $lost"

# 6. Something other than a writable regular file at each name the program
#    writes: the game file, the settings file, its lock and a game save's
#    first temporary name. Each must be refused (or passed over), left as it
#    was, and never hang.
kind() {
  if [[ -L $1 ]]; then echo link; elif [[ -p $1 ]]; then echo pipe; elif [[ -c $1 ]]; then echo device;
  elif [[ -S $1 ]]; then echo socket; elif [[ -d $1 ]]; then echo folder; elif [[ -f $1 ]]; then echo file; else echo none; fi
}
plant() {  # plant KIND NAME
  rm -rf "$2"
  case $1 in
    pipe) mkfifo "$2" ;;
    device) mknod "$2" c 1 3 2>/dev/null || return 1 ;;  # the null device's numbers
    socket) python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$2" ;;
    loop) ln -s "$2" "$2" ;;
    read-only) echo "3 51 58 30 3" >"$2" && chmod 444 "$2" ;;
  esac
}
for name in game.RGM Reversi.ini Reversi.ini.lock first-temporary; do
  for k in pipe device socket loop read-only; do
    rm -rf game.RGM Reversi.ini Reversi.ini.lock .game.RGM.tmp*
    case $name in
      game.RGM) plant $k game.RGM || continue
        timeout 20 "$analyze" --eval --save game.RGM f5 >/dev/null 2>err; status=$?; target=game.RGM ;;
      first-temporary)
        bash -c 'case '$k' in pipe) mkfifo ".game.RGM.tmp$$-0" ;; loop) ln -s ".game.RGM.tmp$$-0" ".game.RGM.tmp$$-0" ;;
                 *) exit 0 ;; esac; exec timeout 20 "$0" --eval --save game.RGM f5' "$analyze" >/dev/null 2>err
        status=$?; target=game.RGM
        [[ $k == pipe || $k == loop ]] || continue ;;
      *) plant $k "$name" || continue
        [[ $k == read-only && $name == Reversi.ini.lock ]] && continue
        timeout 20 "$writer" Reversi.ini flip 2>err; status=$?; target=$name ;;
    esac
    after=$(kind "$target")
    [[ $name == first-temporary ]] && after="game.RGM $(kind game.RGM), $(find . -maxdepth 1 -name '.game.RGM.tmp*' | wc -l) temporaries"
    row "$k at $name" 1 "exit $status$( ((status == 124)) && echo ' (HUNG)'), now: $after; $(head -c 90 err | tr '\n' ' ')"
  done
done
