#!/usr/bin/env bash
# Times a unit's history in a site repository after 1,000 runs of a site of 16 units: the
# repository is made as site backups leave it (REPO/SITE/UNIT.zel, each file a unit's header and
# a ZEL-16's text with CR LF line ends; the first run adds the 16 files, each later run changes
# one to three units' volumes or names), written straight into Git with git fast-import, then
# zel_history_bench lists one unit's commits and reads its oldest file (target: the list under a
# second).
# Usage: bench/site_history_listing.sh [BUILD_DIR] [RUNS]   (defaults: build, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
zeltool=$build/tools/zeltool/zeltool
bench=$build/bench/history/zel_history_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$zeltool" template 16 >"$work/template.zel"
git init -q -b master "$work/repo"
start=$(date +%s%N)
python3 - "$work/template.zel" <<'PYTHON' | git -C "$work/repo" fast-import --quiet
import random, sys
template = open(sys.argv[1], "rb").read().replace(b"\r\n", b"\n").split(b"\n")
random.seed(34)
units = ["Unit %02d" % n for n in range(1, 17)]
state = {unit: list(template) for unit in units}
out = sys.stdout.buffer

def data(payload):
    out.write(b"data %d\n" % len(payload) + payload + b"\n")

def text(unit, number):
    header = [b"; zelconfig site history", b"; unit: " + unit.encode(),
              b"; link: tcp:192.0.2.%d:23" % number, b"; model: ZEL-16",
              b"; identity: 00000000-0000-0000-0000-%012d" % number, b"; end of header"]
    return b"".join(line + b"\r\n" for line in header + [l for l in state[unit] if l])

for run in range(1000):
    changed = units if run == 0 else random.sample(units, random.randint(1, 3))
    for unit in changed if run else []:
        lines = state[unit]
        zone = random.randint(1, 16)
        key = b"[VO%dR" % zone
        at = next(i for i, line in enumerate(lines) if line.startswith(key))
        lines[at] = b"[VO%dR-%d]" % (zone, random.randint(0, 80))
    out.write(b"commit refs/heads/master\n")
    stamp = 1767225600 + run * 86400
    out.write(b"committer zeltool <zeltool@bench> %d +0000\n" % stamp)
    words = ", ".join(changed[:4]) + (", %d more" % (len(changed) - 4) if len(changed) > 4 else "")
    kind = "new" if run == 0 else "changed"
    data(("Harbour Hotel: %d %s (%s), %d unchanged\n" % (len(changed), kind, words,
                                                        16 - len(changed))).encode())
    for unit in changed:
        out.write(b"M 100644 inline harbour-hotel/" + unit.encode() + b".zel\n")
        data(text(unit, units.index(unit) + 1))
PYTHON
end=$(date +%s%N)
git -C "$work/repo" reset -q --hard
echo "a repository of $(git -C "$work/repo" rev-list --count HEAD) runs of 16 units made in" \
  "$(((end - start) / 1000000)) ms, $(du -sh "$work/repo/.git" | cut -f1) in .git"
"$bench" "$work/repo" "harbour-hotel/Unit 07.zel" "$runs"
git -C "$work/repo" gc -q
echo "after git gc:"
"$bench" "$work/repo" "harbour-hotel/Unit 07.zel" "$runs"
