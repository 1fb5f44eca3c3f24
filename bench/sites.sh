#!/bin/bash
# tamsel beside tidy, both timed in the same run on the same files: `check` over whole documentation
# sites, `cleanup` one process a page on the largest pages, start-up on a one-line page, and peak memory
# on a page of 32 MB on a single line. Needs $TAMSEL_CLI and $TAMSEL_DATA_DIR (bench/run sets them), tidy
# and GNU time (make bench-deps); a site that is not installed is left out.
set -u
tamsel=${TAMSEL_CLI:?}
data=${TAMSEL_DATA_DIR:?}
sites="python3.11-doc:/usr/share/doc/python3.11/html apache2-doc:/usr/share/doc/apache2-doc/manual"
if ! command -v tidy >/dev/null || [ ! -x /usr/bin/time ]; then
  echo "tidy or GNU time is not installed (make bench-deps installs them)"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's defaults, not the settings of whoever runs this.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

now() { echo "${EPOCHREALTIME/[,.]/}"; }  # microseconds
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (b - a) / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
mb() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1e6 }'; }
# Pages as tamsel's site walk takes them: what follows the last "." begins with "htm" (no "page.html.gz").
pages_of() { find -L "$1" -type f -iregex '.*\.htm[^./]*' ! -name '*$' -print0; }

echo "check a whole site: tamsel check FOLDER, and tidy -q -e over the same pages (xargs)"
printf '  %-16s %6s %7s %10s %10s %13s\n' site pages MB "tamsel s" "tidy s" "tamsel/tidy"
for entry in $sites; do
  name=${entry%%:*} folder=${entry#*:}
  [ -d "$folder" ] || { echo "  $name is not installed (make bench-deps installs it)"; continue; }
  pages=$(pages_of "$folder" | tr -cd '\0' | wc -c)
  bytes=$(pages_of "$folder" | xargs -0 cat | wc -c)
  pages_of "$folder" | xargs -0 cat >/dev/null  # both runs start from a warm cache
  t0=$(now); "$tamsel" check --data "$data" "$folder" >/dev/null 2>"$work/summary"; t1=$(now)
  pages_of "$folder" | xargs -0 tidy -q -e >/dev/null 2>&1; t2=$(now)
  a=$(seconds "$t0" "$t1") b=$(seconds "$t1" "$t2")
  printf '  %-16s %6s %7s %10s %10s %13s   (%s)\n' "$name" "$pages" "$(mb "$bytes")" "$a" "$b" "$(ratio "$a" "$b")" \
    "$(tail -n 1 "$work/summary" | sed 's/files/files with the scripts/')"
  if command -v taskset >/dev/null; then  # tidy runs on one core; so does tamsel here
    t0=$(now); taskset -c 0 "$tamsel" check --data "$data" "$folder" >/dev/null 2>&1; t1=$(now)
    a=$(seconds "$t0" "$t1")
    printf '  %-16s %6s %7s %10s %10s %13s   (tamsel on one core)\n' "$name" "" "" "$a" "$b" "$(ratio "$a" "$b")"
  fi
done

folder=/usr/share/doc/python3.11/html
if [ -d "$folder" ]; then
  echo "cleanup, one process a page, the 40 largest pages of python3.11-doc: tamsel cleanup --ignore-errors and tidy -q -i"
  find -L "$folder" -type f -iregex '.*\.htm[^./]*' -printf '%s\t%p\n' | sort -rn | head -n 40 | cut -f 2- >"$work/largest"
  bytes=$(tr '\n' '\0' <"$work/largest" | xargs -0 cat | wc -c)
  t0=$(now)
  while IFS= read -r page; do "$tamsel" cleanup --data "$data" --ignore-errors "$page" >/dev/null 2>&1; done <"$work/largest"
  t1=$(now)
  while IFS= read -r page; do tidy -q -i "$page" >/dev/null 2>&1; done <"$work/largest"
  t2=$(now)
  a=$(seconds "$t0" "$t1") b=$(seconds "$t1" "$t2")
  printf '  %s MB: tamsel %s s (%s MB/s), tidy %s s (%s MB/s), tamsel/tidy %s\n' "$(mb "$bytes")" "$a" \
    "$(ratio "$(mb "$bytes")" "$a")" "$b" "$(ratio "$(mb "$bytes")" "$b")" "$(ratio "$a" "$b")"
fi

echo "start-up: a one-line page, 20 runs each, median"
echo '<HTML><HEAD><TITLE>One line</TITLE></HEAD><BODY><P>Hello.</P></BODY></HTML>' >"$work/one.htm"
median_ms() {
  local runs=() t0 t1
  for _ in $(seq 20); do
    t0=$(now); "$@" >/dev/null 2>&1; t1=$(now)
    runs+=($(( t1 - t0 )))
  done
  printf '%s\n' "${runs[@]}" | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", (v[10] + v[11]) / 2 / 1000 }'
}
a=$(median_ms "$tamsel" check --data "$data" "$work/one.htm")
b=$(median_ms tidy -q -e "$work/one.htm")
printf '  tamsel check %s ms, tidy -q -e %s ms, tamsel/tidy %s\n' "$a" "$b" "$(ratio "$a" "$b")"

echo "peak memory on a page of 32 MB on a single line (GNU time, maximum resident set)"
block='<TABLE WIDTH="100%" BORDER="1"><TR><TD ALIGN="left"><A HREF="page.htm">Item</A></TD><TD>&pound;1.50</TD></TR></TABLE> <P>Text about the item &mdash; with <B>bold</B>, <I>italic</I> and &copy; signs, AT&amp;T too.</P> <UL><LI>One<LI>Two &amp; three</UL> '
{
  printf '<HTML><HEAD><TITLE>One line</TITLE></HEAD><BODY> '
  yes "$block" | head -n $(( 32 * 1000 * 1000 / (${#block} + 1) )) | tr -d '\n'
  printf '</BODY></HTML>\n'
} >"$work/line.htm"
peak() {  # peak MB and seconds of one run
  /usr/bin/time -f '%M %e' -o "$work/time" "$@" >/dev/null 2>&1
  tail -n 1 "$work/time" | awk '{ printf "%.1f %.2f", $1 / 1024, $2 }'
}
printf '  page %s MB\n' "$(mb "$(wc -c <"$work/line.htm")")"
printf '  %-10s %10s %10s %12s %10s %13s\n' "" "tamsel MiB" "s" "tidy MiB" "s" "tamsel/tidy"
for command in check cleanup cleanup-o; do
  case $command in
    check) set -- "$tamsel" check --data "$data" "$work/line.htm"; tidy_option=-e ;;
    cleanup) set -- "$tamsel" cleanup --data "$data" --ignore-errors "$work/line.htm"; tidy_option=-i ;;
    # The cleaned page to a file (-o), which takes it a part at a time; tidy's -o holds it whole.
    cleanup-o) set -- "$tamsel" cleanup --data "$data" --ignore-errors "$work/line.htm" -o "$work/out.htm"
      tidy_option="-i -o $work/tidy-out.htm" ;;
  esac
  read -r a_mb a_s <<<"$(peak "$@")"
  # shellcheck disable=SC2086  # the option holds its file name
  read -r b_mb b_s <<<"$(peak tidy -q $tidy_option "$work/line.htm")"
  printf '  %-10s %10s %10s %12s %10s %13s   %.1f× the page   (tidy -q %s)\n' $command "$a_mb" "$a_s" "$b_mb" "$b_s" \
    "$(ratio "$a_mb" "$b_mb")" "$(ratio "$a_mb" "$(awk -v n="$(wc -c <"$work/line.htm")" 'BEGIN { print n / 1048576 }')")" "${tidy_option% *}"
done
