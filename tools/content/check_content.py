#!/usr/bin/env python3
"""Checks the guide's pages in a data folder, independently of the generator.

    python3 tools/content/check_content.py [data-folder]

- every page of the chapter tree is present, is UTF-8 and links the shared stylesheet;
- no page refers to anything outside the folder: every href/src/url()/@import names a file
  of the folder (or an anchor of the page); no scheme, no absolute path, no "..";
- every journal entry with amounts balances (借方合计 = 贷方合计);
- every practice paper has 20 single-choice, 20 multiple-choice, 20 true/false and 10 case
  questions worth 100 points, each key names existing options, and each question has an
  explanation; no question is asked twice across the papers; the page says that it is a
  practice paper and not an official one.
Exits 1 and lists the faults when anything is wrong.
"""
import os
import re
import sys
from html.parser import HTMLParser
from urllib.parse import unquote, urlsplit

PAGES = (["2014考试指南"]
         + ["第一章：总论", "第二章：会计要素与会计科目", "第三章：会计等式与复式记账", "第四章：会计凭证",
            "第五章：会计账簿", "第六章：账务处理程序", "第七章：财产清查", "第八章：财务会计报告",
            "第九章：会计档案", "第十章：主要经济业务事项账务处理"]
         + ["历年真题和答案(%s)" % n for n in "一二三四五六七八"]
         + ["联系我们"])
PAPER_LAYOUT = {"single": (20, 1), "multi": (20, 2), "judge": (20, 1), "case": (10, 2)}


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.refs = []
        self.ids = set()
        self.entries = []  # list of [rows]; row = [cells text]
        self.in_je = None
        self.row = None
        self.cell = None
        self.questions = []
        self.q = None
        self.depth = 0
        self.in_style = False
        self.styles = []
        self.text = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        for name in ("href", "src", "action", "background", "poster", "srcset", "formaction"):
            if name in a:
                self.refs.append(a[name])
        if "style" in a:
            self.styles.append(a["style"])
        if tag == "style":
            self.in_style = True
        if tag in ("iframe", "object", "embed", "img", "video", "audio", "base"):
            self.refs.append("<%s>" % tag if tag == "base" else a.get("src", a.get("data", "<%s>" % tag)))
        cls = a.get("class", "").split()
        if tag == "table" and "je" in cls and "tpl" not in cls:
            self.in_je = []
        elif tag == "tr" and self.in_je is not None:
            self.row = []
        elif tag in ("td", "th") and self.row is not None:
            self.cell = []
        if tag == "div" and "q" in cls:
            self.q = {"type": a.get("data-type"), "answer": a.get("data-answer"), "points": a.get("data-points"),
                      "values": [], "explained": False, "id": a.get("id")}
        if self.q is not None:
            if tag == "input":
                self.q["values"].append(a.get("value"))
            if tag == "details" and "ans" in cls:
                self.q["explained"] = True
            if tag == "p" and "stem" in cls:
                self.q["stem_open"] = True
            if tag == "label":
                self.q.setdefault("options", []).append("")
        if tag == "div" and self.q is not None:
            self.depth += 1

    def handle_endtag(self, tag):
        if tag == "p" and self.q is not None:
            self.q["stem_open"] = False
        if tag == "style":
            self.in_style = False
        if tag in ("td", "th") and self.cell is not None:
            self.row.append("".join(self.cell).strip())
            self.cell = None
        elif tag == "tr" and self.row is not None:
            self.in_je.append(self.row)
            self.row = None
        elif tag == "table" and self.in_je is not None:
            self.entries.append(self.in_je)
            self.in_je = None
        if tag == "div" and self.q is not None:
            self.depth -= 1
            if self.depth == 0:
                self.questions.append(self.q)
                self.q = None

    def handle_data(self, data):
        if self.q is not None and self.q.get("stem_open"):
            self.q["stem"] = self.q.get("stem", "") + data
        elif self.q is not None and self.q.get("options") and not self.q["explained"]:
            self.q["options"][-1] += data
        if self.cell is not None:
            self.cell.append(data)
        if self.in_style:
            self.styles.append(data)
        self.text.append(data)


def amount(text):
    text = text.replace(",", "").strip()
    if not text:
        return 0.0
    if text.startswith("(") and text.endswith(")"):
        return -float(text[1:-1])
    return float(text)


def check_ref(ref, folder, page, ids, faults):
    if ref.startswith("#"):
        if ref[1:] and ref[1:] not in ids:
            faults.append("%s: anchor %s not found" % (page, ref))
        return
    parts = urlsplit(ref)
    if parts.scheme or parts.netloc or ref.startswith("/") or ref.startswith("\\") or ref.startswith("<"):
        faults.append("%s: refers outside the data folder: %s" % (page, ref))
        return
    path = unquote(parts.path)
    if ".." in path.split("/") or "\\" in path:
        faults.append("%s: refers outside the data folder: %s" % (page, ref))
        return
    if not os.path.isfile(os.path.join(folder, path)):
        faults.append("%s: refers to a missing file: %s" % (page, ref))


def check_css(folder, faults):
    for name in os.listdir(folder):
        if name.endswith(".css"):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                css = f.read()
            for ref in re.findall(r"url\(\s*['\"]?([^'\")]+)", css) + re.findall(r"@import\s+['\"]([^'\"]+)", css):
                check_ref(ref, folder, name, set(), faults)
        if name.endswith(".js"):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                js = f.read()
            for bad in ("XMLHttpRequest", "fetch(", "localStorage", "sessionStorage", "indexedDB", "document.cookie", "http://", "https://", "import("):
                if bad in js:
                    faults.append("%s: uses %s" % (name, bad))


def check_paper(name, p, faults):
    counts = {}
    total = 0
    for q in p.questions:
        t = q["type"]
        if t not in PAPER_LAYOUT:
            faults.append("%s %s: unknown type %s" % (name, q["id"], t))
            continue
        counts[t] = counts.get(t, 0) + 1
        pts = float(q["points"])
        if pts != PAPER_LAYOUT[t][1]:
            faults.append("%s %s: %s points" % (name, q["id"], q["points"]))
        total += pts
        key = q["answer"] or ""
        values = q["values"]
        if not key or any(c not in values for c in key) or len(set(key)) != len(key) or "".join(sorted(key)) != key:
            faults.append("%s %s: key %r does not name its options %r" % (name, q["id"], key, values))
        if t == "single" and len(key) != 1:
            faults.append("%s %s: single choice with key %s" % (name, q["id"], key))
        if t == "multi" and len(key) < 2:
            faults.append("%s %s: multiple choice with key %s" % (name, q["id"], key))
        if t == "judge" and (key not in ("Y", "N") or sorted(values) != ["N", "Y"]):
            faults.append("%s %s: bad true/false question" % (name, q["id"]))
        if t in ("single", "multi", "case") and len(values) < 4:
            faults.append("%s %s: fewer than four options" % (name, q["id"]))
        if not q["explained"]:
            faults.append("%s %s: no explanation" % (name, q["id"]))
    for t, (n, _) in PAPER_LAYOUT.items():
        if counts.get(t, 0) != n:
            faults.append("%s: %d %s questions, expected %d" % (name, counts.get(t, 0), t, n))
    if total != 100:
        faults.append("%s: %g points in all" % (name, total))
    text = "".join(p.text)
    if "练习卷" not in text or "不是官方" not in text:
        faults.append("%s: does not say it is a practice paper rather than an official one" % name)
    return counts


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
    faults = []
    entries = 0
    summary = []
    stems = {}
    for name in PAGES:
        path = os.path.join(folder, name + ".htm")
        if not os.path.isfile(path):
            faults.append("missing page: %s.htm" % name)
            continue
        try:
            with open(path, encoding="utf-8") as f:
                source = f.read()
        except UnicodeDecodeError:
            faults.append("%s: not UTF-8" % name)
            continue
        p = Page()
        p.feed(source)
        p.close()
        if "guide.css" not in p.refs:
            faults.append("%s: does not link guide.css" % name)
        for ref in p.refs:
            check_ref(ref, folder, name, p.ids, faults)
        for style in p.styles:
            if "url(" in style or "@import" in style:
                faults.append("%s: inline style loads a resource" % name)
        for k, rows in enumerate(p.entries):
            debit = credit = 0.0
            for row in rows:
                if len(row) == 4 and row[0] in ("借：", "贷："):
                    debit += amount(row[2])
                    credit += amount(row[3])
            if abs(debit - credit) > 0.005 or debit == 0:
                faults.append("%s: journal entry %d does not balance (借 %.2f, 贷 %.2f)" % (name, k + 1, debit, credit))
        entries += len(p.entries)
        if name.startswith("历年真题"):
            counts = check_paper(name, p, faults)
            for q in p.questions:
                stem = re.sub(r"^\d+\.|（\d 分）$", "", q.get("stem", "").strip())
                stem += "|" + "|".join(sorted(re.sub(r"^\s*[A-E]\.\s*", "", o).strip() for o in q.get("options", [])))
                if q["type"] != "case" and stem in stems:
                    faults.append("%s %s repeats %s" % (name, q["id"], stems[stem]))
                stems.setdefault(stem, "%s %s" % (name, q["id"]))
            summary.append("%s: %s" % (name, ", ".join("%s %d" % (t, counts.get(t, 0)) for t in PAPER_LAYOUT)))
    check_css(folder, faults)
    for line in summary:
        print(line)
    print("%d pages, %d journal entries checked" % (len(PAGES), entries))
    if faults:
        print("\n".join(faults), file=sys.stderr)
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
