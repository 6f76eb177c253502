#!/usr/bin/python3
"""Reads what `zel sections` wrote with readers of its own (ezdxf for DXF, pdftotext for PDF)
and holds it against what `zel check` prints for the same data file.

    sections_check.py ZEL DATA.Zel WORKDIR [--scale N] [--pdf] [--allow-undrawn]

Exit status 0 when every check passed; otherwise the failures are printed, one a line.
"""
import math
import re
import subprocess
import sys

import ezdxf
from ezdxf import recover

TEXT_HEIGHT = 2.5  # mm of paper: headings and cell texts
NAME_HEIGHT = 3.5  # mm of paper: the member name on top of a block
UNDRAWN = ("描けません", "納まりません", "計算できません")
LABELS = ("符号", "位置", "断面", "B×D", "上端筋", "下端筋", "ｽﾀｰﾗｯﾌﾟ", "判定")

failures = []
reasons = {}  # why cells are not drawn, and how often


def fail(message):
    failures.append(message)


def run(args):
    done = subprocess.run(args, capture_output=True)
    if done.returncode not in (0, 4):
        raise SystemExit("%s failed (%d): %s" % (args, done.returncode,
                                                 done.stderr.decode("utf-8", "replace")))
    return done.stdout.decode("utf-8")


def check_output(zel, data):
    """The beams `zel check` prints: name, columns (heading, top, bottom, stirrups, judgement)
    and the reason a beam is not calculated. Columns are 20 display columns (Shift-JIS bytes)
    wide after a 10-column label."""
    beams = []
    for line in run([zel, "check", data]).splitlines():
        head = re.match(r"^(\d+): \[ (.*) \] (.*)$", line)
        if head:
            skipped = "この梁は計算しない" in head.group(3)
            beams.append({"name": head.group(2), "skipped": skipped, "columns": [], "error": None})
            continue
        if line.startswith("  計算できません: "):
            beams[-1]["error"] = line[len("  計算できません: "):]
            continue
        raw = line[2:].encode("cp932")
        label = raw[:10].decode("cp932").strip()
        cells = [raw[i:i + 20].decode("cp932").rstrip() for i in range(10, len(raw), 20)]
        columns = beams[-1]["columns"]
        if label == "":
            columns.extend({"heading": c} for c in cells)
        else:
            key = {"上端筋": "top", "下端筋": "bottom", "ｽﾀｰﾗｯﾌﾟ": "stirrups", "判  定": "judgement"}[label]
            for column, cell in zip(columns, cells):
                column[key] = cell
    return [b for b in beams if not b["skipped"]]


def bar_count(text):
    """4 of "4-D22(2段)"; None for "**-D25" and for a face beyond its layers ("(NG)")."""
    if text.startswith("**") or "(NG)" in text:
        return None
    return int(text.split("-")[0])


def nominal_diameter(text):
    size = text.split("-", 1)[1]
    digits = re.search(r"\d+", size)
    return int(digits.group(0))


def inside(box, x, y):
    return box[0] - 1e-6 <= x <= box[2] + 1e-6 and box[1] - 1e-6 <= y <= box[3] + 1e-6


def bbox(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return (min(xs), min(ys), max(xs), max(ys))


def check_dxf(path, beams, scale, allow_undrawn):
    doc, auditor = recover.readfile(path)
    if auditor.has_errors or auditor.fixes:
        fail("audit: %d errors, %d fixes: %s" % (len(auditor.errors), len(auditor.fixes),
                                                 [str(e.message) for e in auditor.errors + auditor.fixes][:5]))
    audit = doc.audit()
    if audit.has_errors:
        fail("doc.audit(): %s" % [e.message for e in audit.errors][:5])
    if doc.dxfversion != "AC1015" or doc.header.get("$DWGCODEPAGE") != "ANSI_932":
        fail("version %s, code page %s" % (doc.dxfversion, doc.header.get("$DWGCODEPAGE")))
    msp = doc.modelspace()
    for entity in msp:
        if entity.dxf.layer not in ("OUTLINE", "STIRRUP", "BAR", "TEXT", "FRAME"):
            fail("%s on layer %s" % (entity.dxftype(), entity.dxf.layer))
    circles = [(c.dxf.center.x, c.dxf.center.y, c.dxf.radius) for c in msp.query("CIRCLE")]
    if any(c.dxf.layer != "BAR" for c in msp.query("CIRCLE")):
        fail("a circle off the BAR layer")
    outlines = [bbox(list(p.vertices())) for p in msp.query('LWPOLYLINE[layer=="OUTLINE"]')
                if p.closed and len(p) == 4]
    stirrups = [(list(p.vertices()), p.dxf.const_width) for p in msp.query('LWPOLYLINE[layer=="STIRRUP"]')]
    texts = [(t.dxf.text, t.dxf.align_point.x, t.dxf.align_point.y, t.dxf.height)
             for t in msp.query("TEXT")]
    frames = [bbox(list(p.vertices())) for p in msp.query('LWPOLYLINE[layer=="FRAME"]') if p.closed]
    # Blocks: closed frames holding no other frame (the page frames hold the blocks).
    blocks = [f for f in frames
              if not any(g is not f and inside(f, g[0], g[1]) and inside(f, g[2], g[3]) for g in frames)]
    page_frames = sorted((f for f in frames if f not in blocks), key=lambda f: f[0])

    def page_of(block):
        return next((i for i, f in enumerate(page_frames) if inside(f, block[0], block[1])), -1)

    # Flow order: page by page (pages lie side by side), row by row from the top, then across.
    blocks.sort(key=lambda b: (page_of(b), -round(b[3]), b[0]))
    if any(page_of(b) < 0 for b in blocks):
        fail("a block outside every page frame")
    if len(blocks) != len(beams):
        fail("%d blocks for %d calculated beams" % (len(blocks), len(beams)))
    drawn_cells = undrawn_cells = 0
    used = set()
    for beam, block in zip(beams, blocks):
        mine = [t for t in texts if inside(block, t[1], t[2])]
        names = [t[0] for t in mine if math.isclose(t[3], NAME_HEIGHT * scale)]
        if names != [beam["name"]] and not (beam["name"] == "" and names == []):
            fail("block of %r names %r" % (beam["name"], names))
        headings = sorted((t for t in mine if t[0] in [c["heading"] for c in beam["columns"]]),
                          key=lambda t: t[1])
        if [h[0] for h in headings] != [c["heading"] for c in beam["columns"]]:
            fail("%s: headings %r" % (beam["name"], [h[0] for h in headings]))
            continue
        block_outlines = [o for o in outlines if inside(block, o[0], o[1]) and inside(block, o[2], o[3])]
        left = block[0]
        for k, (column, heading) in enumerate(zip(beam["columns"], headings)):
            right = headings[k + 1][1] - (headings[k + 1][1] - heading[1]) / 2 if k + 1 < len(headings) else block[2]
            cell_left = left
            left = right
            where = "%s %s" % (beam["name"], column["heading"])
            cell_texts = [t[0].rstrip() for t in mine if cell_left <= t[1] <= right]
            for key in ("top", "bottom", "stirrups") if beam["error"] is None else ():
                if column[key].rstrip() not in cell_texts:
                    fail("%s: %s text %r not found in %r" % (where, key, column[key], cell_texts))
            if column["judgement"].startswith("設計不可") and "設計不可" not in "".join(cell_texts):
                fail("%s: 設計不可 not written" % where)
            cell_outlines = [o for o in block_outlines if cell_left <= o[0] and o[2] <= right]
            top = bottom = None
            if beam["error"] is None:
                top, bottom = bar_count(column["top"]), bar_count(column["bottom"])
            known = {column[k].rstrip() for k in column} | set(LABELS) | {beam["name"]}
            reason = "".join(t[0] for t in sorted((t for t in mine if cell_left <= t[1] <= right), key=lambda t: -t[2])
                             if t[0].rstrip() not in known and not re.match(r"^[\d.?]+×[\d.?]+$", t[0]))
            reason = reason if any(u in reason for u in UNDRAWN) else ""
            if beam["error"] is not None and beam["error"] not in reason:
                fail("%s: the reason %r does not say %r" % (where, reason, beam["error"]))
            if top is None or bottom is None or not cell_outlines:
                if cell_outlines or not reason:
                    fail("%s: drawn %d sections, reason %r, though the check says %r / %r" %
                         (where, len(cell_outlines), reason, column.get("top"), column.get("bottom")))
                if top is not None and bottom is not None and not allow_undrawn:
                    fail("%s: not drawn: %r" % (where, reason))
                undrawn_cells += 1
                reasons[reason] = reasons.get(reason, 0) + 1
                continue
            drawn_cells += 1
            if len(cell_outlines) != 1:
                fail("%s: %d outlines" % (where, len(cell_outlines)))
                continue
            outline = cell_outlines[0]
            mine_circles = [c for c in circles if inside(outline, c[0], c[1])]
            used.update(mine_circles)
            if len(mine_circles) != top + bottom:
                fail("%s: %d circles, the check prints %d + %d" % (where, len(mine_circles), top, bottom))
            radius = nominal_diameter(column["top"]) / 2.0
            hoop = [s for s in stirrups if all(inside(outline, p[0], p[1]) for p in s[0])]
            points = [p for s in hoop for p in s[0]]
            # The line width of the hoop itself (a weld mark may be wider).
            width = max(hoop, key=lambda s: (bbox(s[0])[2] - bbox(s[0])[0]) * (bbox(s[0])[3] - bbox(s[0])[1]))[1] if hoop else 0.0
            box = bbox(points) if points else outline
            inner = (box[0] + width / 2, box[1] + width / 2, box[2] - width / 2, box[3] - width / 2)
            one_leg = box[2] - box[0] < 4 * radius
            for x, y, r in mine_circles:
                if not math.isclose(r, radius, abs_tol=1e-9):
                    fail("%s: radius %g, not half of %g" % (where, r, 2 * radius))
                if not (inside(outline, x - r, y - r) and inside(outline, x + r, y + r)):
                    fail("%s: circle at %g,%g leaves the outline" % (where, x, y))
                if not one_leg and not (inside(inner, x - r, y - r) and inside(inner, x + r, y + r)):
                    fail("%s: circle at %g,%g outside the stirrups %r" % (where, x, y, inner))
            # Each layer evenly spaced and centred between the stirrup legs.
            rows = {}
            for x, y, r in mine_circles:
                rows.setdefault(round(y, 6), []).append(x)
            for y, xs in rows.items():
                xs.sort()
                gaps = [b - a for a, b in zip(xs, xs[1:])]
                if gaps and max(gaps) - min(gaps) > 1e-6:
                    fail("%s: the layer at %g is not evenly spaced: %r" % (where, y, xs))
                if abs((xs[0] - outline[0]) - (outline[2] - xs[-1])) > 1e-6:
                    fail("%s: the layer at %g is off centre: %r" % (where, y, xs))
            for i, a in enumerate(mine_circles):
                for b in mine_circles[i + 1:]:
                    if math.hypot(a[0] - b[0], a[1] - b[1]) < a[2] + b[2] - 1e-9:
                        fail("%s: circles at %g,%g and %g,%g overlap" % (where, a[0], a[1], b[0], b[1]))
    if len(used) != len(circles):
        fail("%d circles outside every drawn cell" % (len(circles) - len(used)))
    return drawn_cells, undrawn_cells


def check_pdf(zel, data, workdir, beams, scale):
    pdf = workdir + "/sections.pdf"
    run([zel, "sections", data, "-o", pdf, "--scale", str(scale)])
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], capture_output=True,
                          check=True).stdout.decode("utf-8")
    # pdftotext puts blanks where the layout has gaps; compare without them.
    flat = re.sub(r"\s+", "", text)
    for beam in beams:
        wanted = [beam["name"]]
        if beam["error"] is None:
            wanted += [c[k] for c in beam["columns"] for k in ("top", "bottom", "stirrups")]
        for w in wanted:
            if re.sub(r"\s+", "", w) not in flat:
                fail("PDF: %r of %s not found" % (w, beam["name"]))
    if "梁断面リスト" not in flat:
        fail("PDF: no title 梁断面リスト")
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, check=True).stdout.decode()
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    if not size or abs(float(size.group(1)) - 1190.55) > 1 or abs(float(size.group(2)) - 841.89) > 1:
        fail("PDF: not A3 landscape: %s" % re.findall(r"Page size:.*", info))  # 420 × 297 mm


def main():
    args = sys.argv[1:]
    zel, data, workdir = args[0], args[1], args[2]
    scale = int(args[args.index("--scale") + 1]) if "--scale" in args else 20
    beams = check_output(zel, data)
    dxf = workdir + "/sections.dxf"
    run([zel, "sections", data, "-o", dxf, "--scale", str(scale)])
    drawn, undrawn = check_dxf(dxf, beams, scale, "--allow-undrawn" in args)
    if "--pdf" in args:
        check_pdf(zel, data, workdir, beams, scale)
    for f in failures[:40]:
        print(f)
    for reason, count in sorted(reasons.items()):
        print("not drawn %d×: %s" % (count, reason))
    print("%d beams, %d cells drawn, %d not drawn, %d failures" %
          (len(beams), drawn, undrawn, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
