#!/usr/bin/python3
# gyrelace-render's exports read back by lxml, rsvg-convert and Pillow, and
# how it writes its files: each part below says what it checks.
# usage: exports-test.py GYRELACE-RENDER
import os, re, signal, stat, subprocess, sys, tempfile, time
from lxml import etree
from PIL import Image, ImageChops, ImageFilter

render = os.path.abspath(sys.argv[1])
os.chdir(tempfile.mkdtemp())  # every file below is in this folder

# "ARGS >FILE" sends standard output to FILE.
def run(args, status=0):
    args, _, to = args.partition(" >")
    out = open(to, "wb") if to else subprocess.PIPE
    done = subprocess.run([render] + args.split(), stdout=out, stderr=subprocess.PIPE, text=True)
    assert done.returncode == status, f"{args}: status {done.returncode}, {done.stderr}"
    return done.stderr

colour = lambda c: "#%02x%02x%02x" % (c & 255, (c >> 8) & 255, c >> 16)

# The drawing of the last figure, monitor by monitor: ('line', from, to,
# colour), ('ellipse', box, colour) or ('pixel', x, y, colour).
def drawn_by_ops(path):
    monitors = {}
    for line in open(path):
        words = line.split()
        m = words.pop(0) if words[0].isdigit() else "0"
        state = monitors.setdefault(m, {"ops": [], "at": (0, 0), "pen": 0})
        name, n = words[0], [int(w) for w in words[1:]]
        if name == "erase":
            state["last"], state["ops"] = state["ops"], []
        elif name == "pen":
            state["pen"] = n[0]
        elif name == "move":
            state["at"] = tuple(n)
        elif name == "line":
            state["ops"].append(("line", state["at"], tuple(n), colour(state["pen"])))
            state["at"] = tuple(n)
        elif name == "arc":
            state["ops"].append(("ellipse", tuple(n[:4]), colour(state["pen"])))
        elif name == "pixel":
            state["ops"].append(("pixel", n[0], n[1], colour(n[2])))
    return [monitors[m]["last"] for m in sorted(monitors)]

def drawn_by_svg(path):
    groups = []
    for g in etree.parse(path).getroot().iter("{*}g"):
        if not g.get("transform"):
            continue
        drawn = []
        for e in g:
            tag, a = etree.QName(e).localname, e.attrib
            if tag == "path":
                n = [int(v) for v in re.findall(r"-?\d+", a["d"])]
                points = list(zip(n[0::2], n[1::2]))
                drawn += [("line", p, q, a["stroke"]) for p, q in zip(points, points[1:])]
            elif tag == "ellipse":
                cx, cy, rx, ry = (float(a[k]) for k in ("cx", "cy", "rx", "ry"))
                box = (round(cx - rx), round(cy - ry), round(cx + rx + 1), round(cy + ry + 1))
                drawn.append(("ellipse", box, a["stroke"]))
            elif tag == "rect":
                drawn.append(("pixel", round(float(a["x"]) + .5), round(float(a["y"]) + .5), a["fill"]))
        groups.append(drawn)
    return groups

lit = lambda image, above=0: image.convert("L").point(lambda v: 255 if v > above else 0)
count = lambda mask: mask.histogram()[255]

# Each row's --svg, parsed with lxml, holds exactly the drawing of --ops (the
# same lines, outlines and pixels, coordinates and colours, in order, monitor
# by monitor) and, rasterized by rsvg-convert, lights what the PNG lights.
svg_rows = [
    "--seed 5 --size 640x480",                                                    # circles
    "--seed 7 --size 640x480 --set shape=0x1FE --set connect=1",                  # spokes between stamps
    "--seed 8 --size 640x480 --set size=0",                                       # single pixels
    "--seed 9 --size 640x480 --set size=0 --set connect=1 --figures 2",          # a closed polyline, the first erased
    "--seed 110879 --monitors 800x600+0+0,640x480+800+0 --set shape=0x1FE --set size=150",  # cut at each monitor
]
for args in svg_rows:
    run(f"{args} --svg a.svg --ops a.ops --out a.png")
    assert drawn_by_svg("a.svg") == drawn_by_ops("a.ops"), f"{args}: the SVG does not hold the drawing of --ops"
    subprocess.run(["rsvg-convert", "a.svg", "-o", "svg.png"], check=True)
    # Vector and GDI rules differ by design: a lit pixel of the PNG counts as
    # covered when the SVG lights one next to it.
    picture = lit(Image.open("a.png"))
    covered = lit(Image.open("svg.png").convert("RGB"), 8).filter(ImageFilter.MaxFilter(3))
    missed = count(ImageChops.subtract(picture, covered))
    assert missed <= count(picture) // 50, f"{args}: {missed} of the PNG's {count(picture)} lit pixels are dark in the SVG"

# Each row: arguments, frames a second, then the frames and durations the
# animation must have, the frame before each delay being --out's picture.
webp_rows = [
    ("--seed 5 --size 320x240 --set shape=0x1FE --set rotation=0xE --figures 2", 25, 2 * 181 + 1, {40: 2 * 180 + 1, 1000: 2}),
    ("--seed 6 --size 320x240 --set rate=20 --set delay=3", 10, 181, {100: 180, 3000: 1}),
    ("--seed 7 --monitors 200x150+0+0,160x120+200+0 --set size=0", 50, 361, {20: 360, 1000: 1}),
    ("--seed 1 --size 1x1", 25, 2, {7200: 1, 1000: 1}),  # nothing drawn can be seen: black, and its delay
]
for args, fps, frames, durations in webp_rows:
    run(f"{args} --animate a.webp --fps {fps}")
    animation = Image.open("a.webp")
    counted, figure = {}, 0
    for i in range(animation.n_frames):
        animation.seek(i)
        animation.load()
        counted[animation.info["duration"]] = counted.get(animation.info["duration"], 0) + 1
        if animation.info["duration"] >= 1000:
            figure += 1
            run(args.replace(" --figures 2", "") + f" --figures {figure} --out a.png")
            assert not ImageChops.difference(animation.convert("RGB"), Image.open("a.png").convert("RGB")).getbbox(), \
                f"{args}: figure {figure}'s last frame is not --out's picture"
    assert (animation.n_frames, counted) == (frames, durations), f"{args}: {animation.n_frames} frames, durations {counted}"

# Bad exports: one line naming the problem, status 2 (1 when writing
# fails), nothing left behind, the files there before untouched. full.* are
# copies of /dev/full.
files = lambda: sorted((n, os.lstat(n).st_size, os.lstat(n).st_mtime_ns) for n in os.listdir())
os.mkdir("taken.svg")
os.symlink("a.svg", "link.svg")
for name in ("full.png", "full.webp"):
    os.mknod(name, 0o600 | stat.S_IFCHR, os.makedev(1, 7))
for args, says, status in [("--size 0x0 --trace a.ops --ops new.ops", ": --size: '0x0' is not WxH with each side 1..65535\n", 2),
                           ("--svg a.png", "does not end in .svg", 2), ("--animate a.gif", "does not end in .webp", 2),
                           ("--animate a.webp --fps 0", "frame rate", 2), ("--animate a.webp --fps 101", "frame rate", 2),
                           ("--animate a.webp --size 20000x10", "WebP", 2), ("--svg taken.svg", "'taken.svg': Is a directory", 2),
                           ("--ops - --trace -", "only one output can go to standard output", 2),
                           ("--out same.png --trace ./same.png", "two outputs name the same file", 2),
                           ("--svg link.svg --ops a.svg", "two outputs name the same file", 2),
                           ("--out full.png", "cannot write 'full.png': No space left on device", 1),
                           # a later output failing (alone, the same) leaves none of the earlier ones' files
                           ("--out b.png --trace b.csv --svg no/such/b.svg", "cannot write 'no/such/b.svg'", 2),
                           ("--out b.png --trace b.csv --animate full.webp", "'full.webp': No space left on device", 1),
                           ("--out - --size 640x480 >full.png", "standard output: No space left on device", 1)]:
    before = files()
    said = run(f"--seed 1 {args}", status)
    assert said.startswith("gyrelace-render: ") and says in said and said.count("\n") == 1, f"{args}: {said}"
    assert files() == before, f"{args}: changed {set(files()) ^ set(before)}"

# A FIFO and standard output (by a link to it), as the devices full.* above,
# are written straight through and stay what they were; a link to a file is
# followed and the file written whole, the link kept; no part file is left.
os.mkfifo("fifo.ops")
os.mkdir("sub")
open("sub/real.svg", "w").write("old")
os.symlink("sub/real.svg", "real.svg")
os.symlink("/proc/self/fd/1", "stdout.csv")
run("--seed 3 --ops a.ops --svg a.svg --trace a.csv")
before = sorted(os.listdir())
reader = subprocess.Popen(["cat", "fifo.ops"], stdout=subprocess.PIPE)
traced = subprocess.run([render] + "--seed 3 --ops fifo.ops --svg real.svg --trace stdout.csv".split(), capture_output=True, check=True).stdout
assert reader.communicate(timeout=30)[0] == open("a.ops", "rb").read() and traced == open("a.csv", "rb").read()
assert open("sub/real.svg").read() == open("a.svg").read() and os.readlink("real.svg") == "sub/real.svg"
assert stat.S_ISFIFO(os.stat("fifo.ops").st_mode)
assert sorted(os.listdir()) == before and os.listdir("sub") == ["real.svg"], os.listdir()

# A signal at work removes the part files, keeps the file that was there
# and ends the run by that signal; a part name a crashed run left (with the
# same process number) is no obstacle.
open("k.png", "w").write("kept")
before = sorted(os.listdir())
for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
    long = "--seed 1 --size 3840x2160 --figures 1000 --fps 100 --animate k.webp --svg k.svg --out k.png --trace k.csv"
    job = subprocess.Popen([render] + long.split(), preexec_fn=lambda: signal.signal(sig, signal.SIG_DFL))
    while job.poll() is None and len(os.listdir()) < len(before) + 4:
        time.sleep(0.01)  # until its four part files are made
    job.send_signal(sig)
    assert job.wait() == -sig, f"{sig!r}: status {job.returncode}"
    assert sorted(os.listdir()) == before and open("k.png").read() == "kept", f"{sig!r}: {os.listdir()}"
subprocess.run(["sh", "-c", f'touch k.csv.part-$$ && exec "{render}" --seed 1 --trace k.csv'], check=True)
