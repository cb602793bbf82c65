#!/usr/bin/env bash
# Starts the real program under Xvfb on a fresh data folder, keys one order as
# an operator would, settles it with F12, gets past the print dialog, closes
# the program and checks that the database holds the order.
set -euo pipefail
exe=$(readlink -f "$1")
for tool in Xvfb openbox xdotool sqlite3; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
display=":$((100 + RANDOM % 800))"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

unset QT_QPA_PLATFORM
# HOME points at the work folder so the file printer writes a fresh print.pdf there.
(cd "$work" && HOME="$work" exec "$exe" --data-dir "$work/program") >"$work/marovell.log" 2>&1 &
app=$!
pids+=($app)

wait_window() { xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
form=$(timeout 20 bash -c "$(declare -f wait_window); wait_window 'Marovell 3.2'")
[ -n "$form" ] || { echo "smoke: the order form did not appear"; cat "$work/marovell.log"; exit 1; }
xdotool windowactivate --sync "$form"
sleep 0.5

xdotool type --delay 80 "hs"
sleep 0.3
xdotool key Return                      # asks the quantity
prompt=$(timeout 10 bash -c "$(declare -f wait_window); wait_window '菜品选择'")
[ -n "$prompt" ] || { echo "smoke: no quantity prompt"; exit 1; }
xdotool key ctrl+a
xdotool type --delay 80 "2"
xdotool key Return
sleep 0.5
xdotool windowactivate --sync "$form"
xdotool key F12                         # settles and opens the print dialog
dialog=$(timeout 10 bash -c "$(declare -f wait_window); wait_window '打印|Print'")
[ -n "$dialog" ] || { echo "smoke: no print dialog"; exit 1; }
sleep 0.5
xdotool key Return                      # print (to the default file printer)
sleep 1.5

kill -TERM "$app"                       # closes the form like its close button
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "smoke: the program did not close"; exit 1; fi

db="$work/program/data/data.mdb"
orders=$(sqlite3 "$db" "select count(*) from 存单")
line=$(sqlite3 "$db" "select 菜名 || '|' || (数量 + 0.0) || '|' || (小计 + 0.0) from 存单详单")
number=$(sqlite3 "$db" "select 编号 || '|' || (实付 + 0.0) from 存单")
closed=$(sqlite3 "$db" "select count(*) from 记录 where 记录内容='付款方式'")
[ -s "$work/print.pdf" ] || { echo "smoke: no receipt was printed"; ls -la "$work"; exit 1; }
echo "smoke: orders=$orders line=$line number=$number closed=$closed"
[ "$orders" = 1 ] && [ "$line" = "红烧排骨饭|2.0|36.0" ] && [ "$number" = "1|36.0" ] && [ "$closed" = 1 ] || {
  echo "smoke: the stored order is not the one keyed"; cat "$work/marovell.log"; exit 1; }
echo "smoke: 1 passed, 0 failed"
