#!/usr/bin/env bash
# Shows that markupwright-cli behaves byte for byte as it did at a base
# commit: builds the tool at BASE (default 376fb7a) and from the working
# tree, runs the same cases with both, and compares standard output,
# standard error, exit status and every file a case wrote.
#
#   bash scripts/compare_cli.sh [BASE]
#
# The cases: every editing command of 'edit --list' on two sample pages,
# with a caret and with a selection; then scripts/compare_cli_cases.txt
# (tag dialogs, the tag checker, the link check, RTF, conversions, grep
# and replace). Prints 'same NAME' or 'DIFF NAME' and a few lines of the
# difference per case; exit status 0 only when every case is the same.
#
# MW_COMPARE_DIR (default build/compare) holds the base binary, kept per
# commit, the working tree's build, and the last run (run/: the work
# folder and both sets of results, left for a look after a DIFF).
# MW_COMPARE_JOBS (default 2) is the number of build jobs.
set -euo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
base=${1:-376fb7a}
hash=$(git rev-parse --verify --quiet "$base^{commit}") || {
  echo "compare_cli: no commit '$base'" >&2
  exit 2
}
out=${MW_COMPARE_DIR:-build/compare}
mkdir -p "$out"
out=$(cd "$out" && pwd)
jobs=${MW_COMPARE_JOBS:-2}
cases_file=$root/scripts/compare_cli_cases.txt
started=$SECONDS

# --- the two binaries ---------------------------------------------------

# Configures SOURCE into BUILD and builds the tool alone; prints the
# binary's path, wherever the tree's layout puts it.
build_cli() {
  local src=$1 dir=$2
  if ! { cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
           -DMW_BUILD_TESTS=OFF -DMW_BUILD_GUI=OFF &&
         cmake --build "$dir" -j"$jobs" --target markupwright-cli; } >"$dir.log" 2>&1; then
    tail -n 30 "$dir.log" >&2
    echo "compare_cli: the build in $dir failed (log: $dir.log)" >&2
    return 1
  fi
  local bin
  bin=$(find "$dir" -type f -name markupwright-cli -perm -u+x -print -quit)
  [ -n "$bin" ] || { echo "compare_cli: no markupwright-cli under $dir" >&2; return 1; }
  echo "$bin"
}

# The base is built once per commit, in a worktree that lives only as long
# as the build; the binary stays.
base_dir=$out/base-$hash
base_cli=$base_dir/markupwright-cli
tree=$base_dir/compare-base
remove_tree() {
  [ -d "$tree" ] || return 0
  git worktree remove --force "$tree" >/dev/null 2>&1 || rm -rf "$tree"
}
if [ -x "$base_cli" ]; then
  echo "base ${hash:0:7}: built before"
else
  echo "base ${hash:0:7}: building ..."
  mkdir -p "$base_dir"
  trap remove_tree EXIT
  remove_tree
  git worktree add --quiet --force --detach "$tree" "$hash"
  bin=$(build_cli "$tree" "$base_dir/build")
  cp "$bin" "$base_cli.new"
  mv "$base_cli.new" "$base_cli"
  remove_tree
  rm -rf "$base_dir/build"
  trap - EXIT
fi
echo "working tree: building ..."
current_cli=$(build_cli "$root" "$out/current")

# --- the inputs ---------------------------------------------------------

# Both binaries run in turn as run/bin/markupwright-cli on the same copies
# of the inputs, so paths in the output agree; the program folder is also
# the tool's data folder, empty here for both.
run=$out/run
P=$run/pristine  # the inputs as every case starts from them
W=$run/w         # the work folder the cases run in
rm -rf "$run"
mkdir -p "$run/cases" "$run/res/base" "$run/res/current" "$run/home" "$P"

# The sample site and the test fixtures as the base commit has them, so a
# move in the working tree changes nothing here.
git archive "$hash" samples tests/fixtures | tar -x -C "$P"
mv "$P/tests/fixtures" "$P/fixtures"
rmdir "$P/tests"

# Writes the UTF-8 text on standard input as a Shift-JIS page with CR LF.
page() {
  mkdir -p "$(dirname "$P/$1")"
  sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$P/$1"
}

# Tags the sample pages lack, for the tag dialogs to re-edit.
page tags.html <<'EOF'
<HTML>
<HEAD>
<BASEFONT SIZE="5">
<META NAME="keywords" CONTENT="表,ソフト">
</HEAD>
<BODY>
<HR WIDTH="50%" SIZE="3" ALIGN="left" COLOR="red" NOSHADE>
<FONT SIZE="+1" COLOR="red" FACE="ＭＳ ゴシック" onMouseOver="x()">赤い字</FONT>
<DIV ALIGN="center"><SPAN CLASS="note" onClick="go()">注</SPAN></DIV>
<P ALIGN="right" ID="p1">右寄せ</P>
<OL START="3" TYPE="i">
<LI>三
</OL>
<A HREF="#top" onClick="go()">上へ</A> <A NAME="mark" TITLE="印">印</A>
<MAP NAME="m"><AREA SHAPE="rect" COORDS="0,0,9,9" HREF="a.html"></MAP>
<IMG SRC="ポ|.gif" WIDTH="10" ALT="竹">
<TABLE><CAPTION ALIGN="bottom">表題</CAPTION>
<TR BGCOLOR="red" ALIGN="right" VALIGN="middle"><TH WIDTH="10">見出し</TH><TD COLSPAN="2" NOWRAP BGCOLOR="light blue">セル</TD></TR>
</TABLE>
<FORM METHOD="POST" ACTION="mailto:">
<INPUT TYPE="checkbox" NAME="n" CHECKED>
<SELECT NAME="s" SIZE="3"><OPTION VALUE=1>一</SELECT>
<TEXTAREA NAME="t" ROWS="3" WRAP="soft">文</TEXTAREA>
</FORM>
</BODY>
</HTML>
EOF
page frames.html <<'EOF'
<HTML>
<FRAMESET COLS="30%,*" BORDER="2">
<FRAME SRC="menu.html" NAME="menu" SCROLLING="no">
<FRAME SRC="main.html" NAME="main">
</FRAMESET>
</HTML>
EOF

# Broken pages for the checker. Second bytes 0x5C (表ソ予十能申噂貼) and
# 0x7C (ポ掛竹倒) stand next to quotes, bars and tag ends.
page broken/nesting.html <<'EOF'
<HTML>
<HEAD><TITLE>壊れた見本</TITLE></HEAD>
<BODY>
<P>表示<B>太字</I>のまま
<UL><LI>一<LI>二</OL>
<TABLE><TR><TD>能<TD>ソ</TR>
</TABLE>
<FONT COLOR="red">赤</B></FONT>
</BODY>
EOF
page broken/trail.html <<'EOF'
<HTML><BODY>
<P TITLE="表">ソ\</P>
<IMG SRC="ポ|.gif" ALT="予定表|十">
<A HREF="表.html#能">申し込み</A>
<B>噂</B></B>
<!-- 貼り付け ソ -->
<SPAN CLASS="掛">竹|倒
<!-- 閉じないコメント 表
</BODY></HTML>
EOF
# CR, LF and CR LF line ends in one page, and no line end at the end.
printf '<P>a\r<B>b\n</I>\r\n<TD>\x95\x5c</TD>\r\r\n<P' >"$P/broken/lines.html"
page broken/clean.html <<'EOF'
<html><body><p>表示</p><br></body></html>
EOF
# Tag lists for 'check --lists'.
mkdir -p "$P/lists"
printf 'B\r\nI\r\nSPAN\r\n' >"$P/lists/TwinTag.txt"
printf 'P\r\nLI\r\n' >"$P/lists/OmissibleTag.txt"
printf 'BR\r\nIMG\r\nHR\r\n' >"$P/lists/SingleTag.txt"

# A small site for the link check: markers, a broken link, a letter-case
# mismatch, a missing marker, a style-sheet url, an image and a page whose
# name is Japanese.
page site/index.htm <<'EOF'
<A NAME="top"></A><IMG SRC="sub/p.gif">
<A HREF="sub/a.htm#mark">次</A> <A HREF="sub/表.htm">表</A>
EOF
page site/sub/a.htm <<'EOF'
<A NAME="mark">印</A>
<A HREF="../index.htm#top"> <A HREF="../Index.htm"> <A HREF="../index.htm#none"> <A HREF="">
<A HREF="gone.htm">無い</A> <A HREF="http://example.com/"> <A HREF="x.cgi?a"> <A HREF="mailto:a@example.com">
<P STYLE="background: url(p.gif)"><IMG SRC="missing.gif">
EOF
page site/sub/表.htm <<'EOF'
<A HREF="../index.htm#top">戻る</A>
EOF
printf 'GIF89a' >"$P/site/sub/p.gif"
printf '<A HREF="gone.htm">' >"$P/site/notes.txt"
printf 'index.htm\r\nsub/a.htm\r\n' >"$P/site/site.wpr"

# Every input is dated 2000-01-01: whatever is newer after a case, the
# case wrote.
find "$P" -exec touch -h -d '2000-01-01 00:00:00' {} +

restore() {
  cd "$run"
  rm -rf "$W"
  cp -a "$P" "$W"
  cd "$W"
}

# --- the cases ----------------------------------------------------------

# Each case is a line "ID<TAB>NAME" in run/cases.txt and its arguments,
# NUL-separated, in run/cases/ID.
count=0
add_case() {
  local id
  count=$((count + 1))
  printf -v id %04d "$count"
  printf '%s\t%s\n' "$id" "$1" >>"$run/cases.txt"
  shift
  : >"$run/cases/$id"
  if [ $# -gt 0 ]; then printf '%s\0' "$@" >"$run/cases/$id"; fi
}

# For the case list: the byte offset of TEXT's first occurrence in FILE,
# plus DELTA (default 1: the caret just inside a tag found by its start).
at() {
  local pattern offset
  pattern=$(printf %s "$2" | iconv -f UTF-8 -t CP932)
  offset=$(LC_ALL=C grep -aboF -m1 -- "$pattern" "$1" | head -n1 | cut -d: -f1) || true
  if [ -z "$offset" ]; then
    echo "compare_cli: '$2' is not in $1" >&2
    : >"$run/bad-cases"
    echo 0
    return
  fi
  echo $((offset + ${3:-1}))
}

restore  # the cases are read in the work folder, for their globs and at

# Engine cases: every command on two pages, with a caret and with a
# selection, the result written to out.html. Replies for the commands that
# ask: a line number or prefix (7), a file to insert, a clipboard with tags,
# a line end and 0x5C second bytes. The date and time formats hold no field
# letters (ドノハピヅ have h, m, n, s, d as second bytes), so the clock
# never shows.
engine_options=(--clipboard '<b>x</b>\r\ny 表ソ\\z' --answer 7 --field FileName=samples/sub/notes.html
  --set 'asDateTimeFormatStr=更新ドノハピヅ' --set 'asTimeFormatStr=[ドノハピヅ]')
mapfile -t commands < <("$base_cli" edit --list)
[ "${#commands[@]}" -gt 0 ] || { echo "compare_cli: 'edit --list' lists nothing" >&2; exit 2; }
add_case "edit --list" edit --list
for entry in "samples/sample.html 300 250,40" "samples/page2.html 530 347,157"; do
  read -r file caret range <<<"$entry"
  for command in "${commands[@]}"; do
    for sel in "$caret" "$range"; do
      add_case "edit:$command@${file##*/}:$sel" edit "$file" --out out.html --sel "$sel" "${engine_options[@]}" "$command"
    done
  done
done

# The listed cases; tag:* cases run again with lower-case tags.
while read -r name words; do
  case $name in '' | '#'*) continue ;; esac
  eval "add_case \"\$name\" $words"
  if [[ $name == tag:* ]]; then
    eval "add_case \"\$name~lower\" $words --set bLowerCaseTag=1"
  fi
done <"$cases_file"
if [ -e "$run/bad-cases" ]; then exit 2; fi

# --- the runs -----------------------------------------------------------

# Runs one case; DIR gets stdout, stderr, status, and files/ with every
# file the case wrote, each then put back as it was before the case (or
# removed). The time limit only stops a hang.
run_case() {
  local dir=$1 status=0 written f added=()
  shift
  timeout 60 "$run/bin/markupwright-cli" "$@" >"$dir/stdout" 2>"$dir/stderr" </dev/null || status=$?
  echo "$status" >"$dir/status"
  mapfile -t written < <(find . -type f -newermt '2000-01-02')
  [ "${#written[@]}" -gt 0 ] || return 0
  mkdir "$dir/files"
  cp --parents -t "$dir/files" -- "${written[@]}"
  for f in "${written[@]}"; do
    if [ -e "$P/$f" ]; then cp -a "$P/$f" "$f"; else added+=("$f"); fi
  done
  if [ "${#added[@]}" -gt 0 ]; then rm -f -- "${added[@]}"; fi
}

run_all() {  # LABEL BINARY
  local label=$1 id name args
  rm -rf "${run:?}/bin"
  mkdir "$run/bin"
  cp "$2" "$run/bin/markupwright-cli"
  restore
  (cd "$run/res/$label" && cut -f1 "$run/cases.txt" | xargs mkdir)
  while IFS=$'\t' read -r id name; do
    mapfile -d '' -t args <"$run/cases/$id"
    run_case "$run/res/$label/$id" "${args[@]}"
  done <"$run/cases.txt"
  # Anything the tool left in its data folder.
  ls -A "$run/bin" >"$run/res/$label/program-folder"
  cd "$run"
}

# Nothing of the user's settings or clock zone reaches the tool.
export HOME=$run/home TZ=UTC
unset XDG_CONFIG_HOME XDG_RUNTIME_DIR
echo "running $count cases with each binary ..."
run_all base "$base_cli"
run_all current "$current_cli"

# --- the comparison -----------------------------------------------------

# Results in Shift-JIS (written pages, hankaku and zenkaku output) are
# shown in UTF-8.
readable() {
  if ! iconv -f UTF-8 -t UTF-8 <"$1" >/dev/null 2>&1 && iconv -f CP932 -t UTF-8 <"$1" >/dev/null 2>&1; then
    iconv -f CP932 -t UTF-8 <"$1"
  else
    cat -- "$1"
  fi
}

# A few lines of each result that differs between two result folders.
show_diff() {
  local a=$1 b=$2 f
  { (cd "$a" && find . -type f) && (cd "$b" && find . -type f); } | sort -u | while read -r f; do
    f=${f#./}
    if [ ! -f "$a/$f" ]; then
      echo "    $f: written by the working tree only"
    elif [ ! -f "$b/$f" ]; then
      echo "    $f: written by the base only"
    elif ! cmp -s "$a/$f" "$b/$f"; then
      echo "    $f:"
      diff -a -U1 <(readable "$a/$f") <(readable "$b/$f") | sed -n '3,12s/^/      /p' || true
    fi
  done
}

# One diff over both result trees names the cases that differ.
declare -A differs=()
while read -r id; do
  differs[$id]=1
done < <(diff -r -q "$run/res/base" "$run/res/current" | sed -n 's|.*/res/[a-z]*/\([0-9][0-9]*\)[/:].*|\1|p')
same=0
differ=0
while IFS=$'\t' read -r id name; do
  if [ -z "${differs[$id]:-}" ]; then
    echo "same $name"
    same=$((same + 1))
  else
    echo "DIFF $name"
    show_diff "$run/res/base/$id" "$run/res/current/$id"
    differ=$((differ + 1))
  fi
done <"$run/cases.txt"
if ! cmp -s "$run/res/base/program-folder" "$run/res/current/program-folder"; then
  echo "DIFF files the tool left in its program folder"
  diff "$run/res/base/program-folder" "$run/res/current/program-folder" | sed 's/^/    /' || true
  differ=$((differ + 1))
fi

echo "compared $count cases against ${hash:0:7}: $same same, $differ different ($((SECONDS - started)) s)"
[ "$differ" -eq 0 ]
