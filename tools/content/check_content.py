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
  practice paper and not an official one;
- a paper's heading, its <title> and every link to it call it a practice paper (练习卷) and
  claim nowhere to be an official past paper: the tree's name may appear only as its
  directory name ("目录名：历年真题和答案(一)");
- no explanation of a question whose options are shuffled names an option by its position
  ("前三项", "后三项", "其余分别是", "第二项", "A 项", "B、C、D") — the build shuffles them;
- no number in the text holds a breakable space (34 000 may wrap as "34 / 000"): thousands
  take a comma, other spaces between digits a no-break space;
- the keys do not follow a pattern a test-wise candidate could learn: in every paper the
  multiple-choice questions with two, three and four correct options each make up at least a
  fifth, and at least a third of the case questions have more than one correct answer; across
  the papers every letter is the single-choice key between 20 % and 30 % of the time, and no
  letter is the key equally often in every paper;
- every paper can be taken as a 90-minute mock exam (its form says so to the paper script);
- every chapter ends in a self-check of at least 15 questions in the papers' markup, of the
  single-choice, multiple-choice and true/false kinds at least, each with a valid key and an
  explanation; papers and self-checks together hold at least 700 questions.
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
# Words that point at an option by where it stands. 其余三项 (the other three) is fine; 其余分别是
# (the others are, in order) is not.
POSITION_WORDS = re.compile(
    r"[前后][一二两三四1-4](?:项|个选项)"
    r"|第[一二三四1-4]个?(?:选)?项"
    r"|最后一(?:个选)?项|最后一个选项"
    r"|(?:其余|其他|另外|以上|上述)[^。；，]{0,6}(?:分别|依次)"
    r"|选项\s*[A-E](?![A-Za-z])"
    r"|(?<![A-Za-z])[A-E](?:\s*[、，,和与及]\s*[A-E])*\s*(?:项|选项|正确|错误|不正确|是|为|属于|均|都)"
    r"|(?<![A-Za-z])[A-E]\s*[、，,]\s*[A-E](?![A-Za-z])(?!\s*[两三四]?[种个家]?\s*(?:产品|材料|公司|商品))")
# A space that a browser may break a line at, between two digits.
BREAKABLE_IN_NUMBER = re.compile(r"\d[ \t\n\r\u1680\u2000-\u2006\u2008-\u200b\u205f\u3000]+\d")
PAPER_PREFIX = "历年真题和答案"
PAPER_LAYOUT = {"single": (20, 1), "multi": (20, 2), "judge": (20, 1), "case": (10, 2)}
CHAPTER_PREFIX = "第"
EXAM_MINUTES = "90"
CHECK_MINIMUM = 15
CHECK_KINDS = ("single", "multi", "judge")
CHECK_TYPES = ("single", "multi", "judge", "calc")
QUESTIONS_MINIMUM = 700
SINGLE_SHARE = (0.20, 0.30)


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
        self.in_code = False
        self.styles = []
        self.text = []
        self.chunks = []  # text nodes outside <style>/<script>, one by one
        self.capture = None  # "title" | "h1" | ("a", href)
        self.title = ""
        self.h1 = ""
        self.links = []  # [href, text]
        self.explain = None  # state inside a question's 答案与解析
        self.forms = []  # [{"id", "class", "minutes"}], in page order

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "title":
            self.capture = "title"
        elif tag == "h1":
            self.capture = "h1"
        elif tag == "a" and "href" in a:
            self.links.append([a["href"], ""])
            self.capture = "a"
        if tag in ("script", "style"):
            self.in_code = True
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
        if tag == "form":
            self.forms.append({"id": a.get("id"), "class": cls, "minutes": a.get("data-minutes")})
        if tag == "div" and "q" in cls:
            self.q = {"type": a.get("data-type"), "answer": a.get("data-answer"), "points": a.get("data-points"),
                      "values": [], "explained": False, "id": a.get("id"),
                      "fixed": a.get("data-order") == "fixed",
                      "form": self.forms[-1]["id"] if self.forms else None}
        if self.q is not None:
            if tag == "input":
                self.q["values"].append(a.get("value"))
            if tag == "details" and "ans" in cls:
                self.q["explained"] = True
                self.q["explain"] = ""
                self.explain = "head"  # the summary and the 答案 paragraph come first
            if tag == "p" and "stem" in cls:
                self.q["stem_open"] = True
            if tag == "label":
                self.q.setdefault("options", []).append("")
        if tag == "div" and self.q is not None:
            self.depth += 1

    def handle_endtag(self, tag):
        if tag in ("title", "h1", "a"):
            self.capture = None
        if tag in ("script", "style"):
            self.in_code = False
        if tag == "p" and self.q is not None:
            self.q["stem_open"] = False
            if self.explain == "head":
                self.explain = "body"
        if tag == "details" and self.explain:
            self.explain = None
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
        if self.capture == "title":
            self.title += data
        elif self.capture == "h1":
            self.h1 += data
        elif self.capture == "a":
            self.links[-1][1] += data
        if self.explain == "body":
            self.q["explain"] += data
        if not self.in_code:
            self.chunks.append(data)
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
    text = re.sub(r"[,\s]", "", text)
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
    check_multi_and_case_shares(name, p.questions, faults)
    if not any(f["id"] == "paper" and "quiz" in f["class"] and f["minutes"] == EXAM_MINUTES for f in p.forms):
        faults.append("%s: the paper cannot be taken as a %s-minute mock exam (no quiz form with data-minutes)"
                      % (name, EXAM_MINUTES))
    text = "".join(p.text)
    if "练习卷" not in text or "不是官方" not in text:
        faults.append("%s: does not say it is a practice paper rather than an official one" % name)
    for what, heading in (("heading", p.h1), ("title", p.title)):
        if claims_official(heading, name):
            faults.append("%s: %s %r does not call it a practice paper, or claims an official past paper"
                          % (name, what, heading.strip()))
    check_position_words(name, p.questions, faults)
    return counts


def check_position_words(name, questions, faults):
    for q in questions:
        if q["fixed"]:
            continue
        m = POSITION_WORDS.search(q.get("explain", ""))
        if m:
            faults.append("%s %s: explanation names an option by its position (%r), but the options are shuffled"
                          % (name, q["id"], m.group(0)))


def check_multi_and_case_shares(name, questions, faults):
    """A paper's multiple-choice keys of two, three and four letters each make up at least a
    fifth of its multiple-choice questions; at least a third of its case questions have more
    than one correct answer."""
    multi = [len(q["answer"] or "") for q in questions if q["type"] == "multi"]
    for size in (2, 3, 4):
        n = multi.count(size)
        if multi and n * 5 < len(multi):
            faults.append("%s: %d of %d multiple-choice questions have %d correct options; at least a fifth should"
                          % (name, n, len(multi), size))
    case = [len(q["answer"] or "") for q in questions if q["type"] == "case"]
    several = sum(1 for n in case if n > 1)
    if case and several * 3 < len(case):
        faults.append("%s: %d of %d case questions have more than one correct answer; at least a third should"
                      % (name, several, len(case)))


def check_single_shares(papers, faults):
    """papers: [(name, questions)]. Across the papers every letter is the single-choice key
    between 20 % and 30 % of the time, and no letter is the key equally often in every paper."""
    counts = {letter: [] for letter in "ABCD"}
    for name, questions in papers:
        keys = [q["answer"] for q in questions if q["type"] == "single"]
        for letter in counts:
            counts[letter].append(keys.count(letter))
    total = sum(sum(c) for c in counts.values())
    if not total:
        return
    for letter, per_paper in sorted(counts.items()):
        share = sum(per_paper) / total
        if not SINGLE_SHARE[0] <= share <= SINGLE_SHARE[1]:
            faults.append("single-choice key %s in %.0f %% of the questions, not between %d %% and %d %%"
                          % (letter, share * 100, SINGLE_SHARE[0] * 100, SINGLE_SHARE[1] * 100))
        if len(per_paper) > 1 and len(set(per_paper)) == 1:
            faults.append("single-choice key %s is the key %d times in every paper" % (letter, per_paper[0]))


def check_selfcheck(name, p, faults):
    """A chapter's self-check: enough questions of the papers' kinds, each scorable and explained."""
    if not any(f["id"] == "selfcheck" and "quiz" in f["class"] for f in p.forms):
        faults.append("%s: no self-check form" % name)
        return 0
    qs = [q for q in p.questions if q["form"] == "selfcheck"]
    if len(qs) < CHECK_MINIMUM:
        faults.append("%s: %d self-check questions, at least %d wanted" % (name, len(qs), CHECK_MINIMUM))
    kinds = set(q["type"] for q in qs)
    for kind in CHECK_KINDS:
        if kind not in kinds:
            faults.append("%s: the self-check has no %s questions" % (name, kind))
    for q in qs:
        key = q["answer"] or ""
        values = q["values"]
        if q["type"] not in CHECK_TYPES:
            faults.append("%s %s: unknown self-check type %s" % (name, q["id"], q["type"]))
            continue
        if not (q["id"] or "").startswith("c"):
            faults.append("%s %s: a self-check question's id should start with c" % (name, q["id"]))
        if not key or any(c not in values for c in key) or "".join(sorted(set(key))) != key:
            faults.append("%s %s: key %r does not name its options %r" % (name, q["id"], key, values))
        elif q["type"] in ("single", "calc") and len(key) != 1:
            faults.append("%s %s: %s question with key %s" % (name, q["id"], q["type"], key))
        elif q["type"] == "multi" and len(key) < 2:
            faults.append("%s %s: multiple choice with key %s" % (name, q["id"], key))
        elif q["type"] == "judge" and (key not in ("Y", "N") or sorted(values) != ["N", "Y"]):
            faults.append("%s %s: bad true/false question" % (name, q["id"]))
        if q["type"] != "judge" and len(values) < 4:
            faults.append("%s %s: fewer than four options" % (name, q["id"]))
        if not q["explained"] or not q.get("explain", "").strip():
            faults.append("%s %s: no explanation" % (name, q["id"]))
    check_position_words(name, qs, faults)
    return len(qs)


def claims_official(text, name):
    """True when a paper's heading, title or link text does not say 练习卷, or says 真题, 历年 or
    官方 anywhere but in its directory name."""
    rest = text.replace("目录名：" + name, "")
    return "练习卷" not in rest or bool(re.search(r"真题|历年|官方|原题", rest))


def check_page(name, source, folder, faults):
    """Checks one page's text; returns the parsed page (its journal entries, its questions)."""
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
    for chunk in p.chunks:
        m = BREAKABLE_IN_NUMBER.search(chunk)
        if m:
            faults.append("%s: breakable space inside a number: %r"
                          % (name, chunk[max(0, m.start() - 8):m.end() + 8].strip()))
    for href, text in p.links:
        target = os.path.splitext(unquote(urlsplit(href).path))[0]
        if target.startswith(PAPER_PREFIX) and claims_official(text, target):
            faults.append("%s: link to %s reads %r, not as a practice paper" % (name, target, text.strip()))
    for k, rows in enumerate(p.entries):
        debit = credit = 0.0
        try:
            for row in rows:
                if len(row) == 4 and row[0] in ("借：", "贷："):
                    debit += amount(row[2])
                    credit += amount(row[3])
        except ValueError as e:
            faults.append("%s: journal entry %d has an unreadable amount (%s)" % (name, k + 1, e))
            continue
        if abs(debit - credit) > 0.005 or debit == 0:
            faults.append("%s: journal entry %d does not balance (借 %.2f, 贷 %.2f)" % (name, k + 1, debit, credit))
    if name.startswith(PAPER_PREFIX):
        p.counts = check_paper(name, p, faults)
    if name.startswith(CHAPTER_PREFIX):
        p.selfcheck = check_selfcheck(name, p, faults)
    return p


def check_folder(folder):
    """Checks every page of the folder; returns (faults, number of journal entries, summary lines)."""
    faults = []
    entries = 0
    summary = []
    stems = {}
    papers = []
    questions = 0
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
        p = check_page(name, source, folder, faults)
        entries += len(p.entries)
        if name.startswith(CHAPTER_PREFIX):
            questions += p.selfcheck
            summary.append("%s: self-check %d (%s)" % (name, p.selfcheck, ", ".join(
                "%s %d" % (t, sum(1 for q in p.questions if q["form"] == "selfcheck" and q["type"] == t))
                for t in CHECK_TYPES)))
        if name.startswith(PAPER_PREFIX):
            papers.append((name, p.questions))
            questions += len(p.questions)
            for q in p.questions:
                stem = re.sub(r"^\d+\.|（\d 分）$", "", q.get("stem", "").strip())
                stem += "|" + "|".join(sorted(re.sub(r"^\s*[A-E]\.\s*", "", o).strip() for o in q.get("options", [])))
                if q["type"] != "case" and stem in stems:
                    faults.append("%s %s repeats %s" % (name, q["id"], stems[stem]))
                stems.setdefault(stem, "%s %s" % (name, q["id"]))
            summary.append("%s: %s" % (name, ", ".join("%s %d" % (t, p.counts.get(t, 0)) for t in PAPER_LAYOUT)))
    check_single_shares(papers, faults)
    if questions < QUESTIONS_MINIMUM:
        faults.append("%d questions in the papers and self-checks, at least %d wanted" % (questions, QUESTIONS_MINIMUM))
    summary.append("%d questions in all" % questions)
    check_css(folder, faults)
    return faults, entries, summary


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
    faults, entries, summary = check_folder(folder)
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
