#!/usr/bin/env bash
# znackar-batch side by side with the usual tools on the same generated files: colour against
# highlight, replace against sed, recode against iconv, gif2bmp against giflib's gif2rgb and the
# gallery against a loop of ImageMagick's convert. Prints the best of three wall-clock times of
# each and their ratio. A peer missing from the machine is named and skipped.
# Usage: bench/compare-batch.sh [BUILD_DIR]   (ZN_BENCH_APT=1 installs the peers first)
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
batch=$build/znackar-batch
[ -x "$batch" ] || { echo "no $batch: build the target znackar-batch first" >&2; exit 1; }
if [ "${ZN_BENCH_APT:-0}" = 1 ]; then
    # The peers are for this comparison only; CI does not install them.
    apt-get install -y --no-install-recommends giflib-tools highlight imagemagick
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

# Best of three runs of a command: "wall cpu" in seconds (cpu = user + system, which a shared
# machine disturbs less than the wall clock); `prepare` runs before each, untimed.
best() {
    local prepare=$1 wall="" cpu="" t
    shift
    for _ in 1 2 3; do
        eval "$prepare"
        t=$( { TIMEFORMAT='%R %U %S'; time "$@" >/dev/null 2>&1; } 2>&1 )
        read -r w u s <<<"$t"
        c=$(awk "BEGIN{print $u + $s}")
        if [ -z "$wall" ] || awk "BEGIN{exit !($w < $wall)}"; then wall=$w; fi
        if [ -z "$cpu" ] || awk "BEGIN{exit !($c < $cpu)}"; then cpu=$c; fi
    done
    echo "$wall $cpu"
}
# Prefer the system's own binary of a peer over wrappers earlier in PATH.
peer() {
    if [ -x "/usr/bin/$1" ]; then echo "/usr/bin/$1"; else command -v "$1" || true; fi
}
ratio() { awk "BEGIN{printf \"%.1f\", $1 / ($2 > 0.0005 ? $2 : 0.0005)}"; }
row() { # task, "our wall cpu", peer name, "peer wall cpu", goal
    read -r ow oc <<<"$2"
    if [ -z "$4" ]; then
        printf '%-9s wall %6.3f s  cpu %6.3f s   %-10s missing: skipped\n' "$1" "$ow" "$oc" "$3"
        return
    fi
    read -r pw pc <<<"$4"
    printf '%-9s wall %6.3f s  cpu %6.3f s   %-9s wall %6.3f s  cpu %6.3f s   ratio wall %5sx  cpu %5sx  (goal %s)\n' \
        "$1" "$ow" "$oc" "$3" "$pw" "$pc" "$(ratio "$pw" "$ow")" "$(ratio "$pc" "$oc")" "$5"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
# A 10 MB page in Windows-1250: tags with attributes, Czech text, CR LF line ends.
python3 - "$work/page.html" <<'PY'
import sys
line = ('<p class="odstavec" id=p{0}><a href="stranka{0}.html" title="Příliš žluťoučký kůň">'
        'úpěl ďábelské ódy</a> a <b>tučné</b> písmo &nbsp; <img src="obr{0}.gif" width=10 '
        'height=20 alt="obrázek"></p>\r\n')
out, i = [], 0
size = 0
while size < 10 * 1024 * 1024:
    s = line.format(i).encode('cp1250')
    out.append(s); size += len(s); i += 1
open(sys.argv[1], 'wb').write(b'<html><body>\r\n' + b''.join(out) + b'</body></html>\r\n')
PY
page=$work/page.html
fresh="cp $page $work/t.html"
echo "page: $(stat -c %s "$page") bytes"

ours=$(best "" "$batch" colour "$page")
hl=$(peer highlight)
theirs=""; [ -n "$hl" ] && theirs=$(best "" "$hl" -S html -O ansi -i "$page")
row colour "$ours" highlight "$theirs" ">= 20x"

ours=$(best "$fresh" "$batch" replace --case --find odstavec --with paragraf "$work/t.html")
theirs=$(best "$fresh" sed -i 's/odstavec/paragraf/g' "$work/t.html")
row replace "$ours" sed "$theirs" ">= 1x"

ours=$(best "$fresh" "$batch" recode --from Windows-1250 --to "ISO Latin2 (ISO 8859-2)" "$work/t.html")
# In place, as recode works: a new file renamed over the old one.
theirs=$(best "$fresh" sh -c "iconv -f CP1250 -t ISO-8859-2 '$work/t.html' > '$work/i.html' &&
    mv '$work/i.html' '$work/t.html'")
row recode "$ours" iconv "$theirs" "> 1x"

cv=$(peer convert)
if [ -n "$cv" ]; then
    # A 4000 x 3000 picture of 256 colours with some noise, like a dithered photo.
    "$cv" -size 4000x3000 gradient:navy-gold -attenuate 0.3 +noise Uniform -colors 256 \
        "$work/big.gif" 2>/dev/null
fi
if [ -s "$work/big.gif" ]; then
    ours=$(best "rm -f $work/big.bmp" "$batch" gif2bmp "$work/big.gif")
    g2r=$(peer gif2rgb)
    theirs=""; [ -n "$g2r" ] && theirs=$(best "" "$g2r" -o "$work/big.rgb" "$work/big.gif")
    row gif2bmp "$ours" gif2rgb "$theirs" ">= 1x"
else
    echo "gif2bmp   skipped: no ImageMagick to make the 4000 x 3000 GIF"
fi

if "$batch" gallery --help >/dev/null 2>&1 && [ -n "$cv" ]; then
    mkdir -p "$work/photos"
    # One noisy 3000 x 2000 photo, copied 20 times under other names.
    "$cv" -size 3000x2000 gradient:red-blue -attenuate 0.5 +noise Gaussian -quality 90 \
        "$work/photos/p1.jpg"
    for i in $(seq 2 20); do cp "$work/photos/p1.jpg" "$work/photos/p$i.jpg"; done
    # Thumbnails of at most 100 x 50, the default schema's size, beside the photos.
    clean="rm -f $work/photos/*icon.jpg $work/photos/t_*"
    ours=$(best "$clean" sh -c "cd '$work/photos' && '$batch' gallery --defaults p*.jpg > '$work/g.html'")
    theirs=$(best "$clean" sh -c "cd '$work/photos' && for f in p*.jpg; do '$cv' -define \
        jpeg:size=200x100 \"\$f\" -thumbnail 100x50 \"t_\$f\"; done")
    row gallery "$ours" convert "$theirs" ">= 2x"
else
    echo "gallery   skipped: no gallery command or no ImageMagick"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
