#!/usr/bin/env python3
"""Builds the guide's pages in data/ from the sources in tools/content/.

src/*.txt   guide, chapter and contact pages in a small line-based markup
bank/*.txt  the eight practice papers as question banks

The generated pages are committed; run this after editing a source:
    python3 tools/content/build_pages.py [--out FOLDER]
The output depends only on the sources: each question's options are ordered by a random
source seeded from that question's own text, so a build repeats the committed pages exactly
and editing one question reorders no other.
Journal entries are checked for balance while building, and the paper layout
(20 + 20 + 20 objective questions, 100 points) is enforced, so a bad source
fails here rather than in the reader.
"""
import argparse
import hashlib
import html
import os
import random
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(ROOT, "data")

CHAPTERS = [
    "第一章：总论",
    "第二章：会计要素与会计科目",
    "第三章：会计等式与复式记账",
    "第四章：会计凭证",
    "第五章：会计账簿",
    "第六章：账务处理程序",
    "第七章：财产清查",
    "第八章：财务会计报告",
    "第九章：会计档案",
    "第十章：主要经济业务事项账务处理",
]
NUMERALS = "一二三四五六七八"
PAPERS = ["历年真题和答案(%s)" % n for n in NUMERALS]
# The tree and the file names keep the names above; inside the pages a paper is called what it
# is, a practice paper written for this guide, with the tree's name shown as its directory name.
PAPER_TITLES = {name: "会计基础练习卷（%s）" % n for name, n in zip(PAPERS, NUMERALS)}
GUIDE = "2014考试指南"
CONTACT = "联系我们"
ORDER = [GUIDE] + CHAPTERS + PAPERS + [CONTACT]

# Question types of a paper: marker in the bank, section title, points per question, count.
SECTIONS = [
    ("single", "一、单项选择题", 1, 20, "每小题备选答案中，只有一个符合题意的正确答案。"),
    ("multi", "二、多项选择题", 2, 20, "每小题备选答案中，有两个或两个以上符合题意的正确答案；多选、少选、错选、不选均不得分。"),
    ("judge", "三、判断题", 1, 20, "判断每小题的表述是否正确；答错不倒扣分。"),
    ("case", "四、计算分析题", 2, 10, "每小题备选答案中，有一个或一个以上符合题意的正确答案；全部选对得 2 分，少选且所选均正确得 1 分，有错选或不选不得分。"),
]
# How often each letter is the single-choice key in each paper (A, B, C, D). Every letter is
# the key 40 times in the 160 single-choice questions, but no paper has an even 5-5-5-5
# spread to count on, and the counts differ from paper to paper.
SINGLE_SLOTS = [(6, 5, 4, 5), (4, 6, 5, 5), (5, 4, 6, 5), (5, 5, 4, 6),
                (4, 5, 6, 5), (6, 4, 5, 5), (5, 6, 5, 4), (5, 5, 5, 5)]
EXAM_MINUTES = 90
PASS_MARK = 60

# A chapter's self-check: the same kinds of question as the papers, and a small calculation
# where the chapter has figures; scored by the papers' script.
CHECK_SECTIONS = [
    ("single", "单项选择题", 1, "只有一个正确答案。"),
    ("multi", "多项选择题", 2, "有两个或两个以上正确答案；多选、少选、错选均不得分。"),
    ("judge", "判断题", 1, "判断表述是否正确。"),
    ("calc", "计算题", 2, "按题中数据演算后选择唯一正确的结果；解析给出演算步骤。"),
]
CHECK_MINIMUM = 15


class SourceError(Exception):
    pass


def esc(text):
    return html.escape(text, quote=False)


# An amount with thousands commas (12,000 or 103,333.33): kept on one line.
AMOUNT = re.compile(r"(?<![\d,.])\d{1,3}(?:,\d{3})+(?:\.\d+)?(?![\d,])")


def inline(text):
    """Escapes text and turns **x** into <strong>x</strong>.

    Amounts are written with thousands commas in the sources; a space between thousands is
    refused, because a browser may break the line there. Any other space between two digits
    (the fraction numbering 8 1/3) becomes a no-break space, and an amount with commas is set
    in a span that does not wrap."""
    if re.search(r"\d \d{3}(?![\d/])", text):
        raise SourceError("thousands separated by a space (write 34,000): %r" % text)
    out = esc(text)
    out = re.sub(r"(?<=\d) (?=\d)", "\u00a0", out)
    out = AMOUNT.sub(lambda m: '<span class="num">%s</span>' % m.group(0), out)
    return re.sub(r"\*\*(.+?)\*\*", r"<strong>\1</strong>", out)


def parse_amount(text):
    text = text.replace(",", "").replace(" ", "")
    if text.startswith("(") and text.endswith(")"):
        return -parse_amount(text[1:-1])
    return round(float(text), 2)


def fmt_amount(value):
    neg = value < 0
    value = abs(value)
    if abs(value - round(value)) < 1e-9:
        s = "{:,}".format(int(round(value)))
    else:
        s = "{:,.2f}".format(value)
    return ("(" + s + ")") if neg else s


def render_je(lines, caption, where):
    """A journal entry: lines 'D account amount' or 'C account amount'.

    Amounts may be left out for an entry template (no balance check then). An
    amount in brackets is a red-ink (negative) amount, used by the red-ink correction."""
    rows = []
    debit = credit = 0.0
    with_amounts = None
    for line in lines:
        m = re.match(r"^(借|贷)\s+(\S+)(?:\s+(\S+))?\s*$", line)
        if not m:
            raise SourceError("%s: bad journal line %r" % (where, line))
        side, account, amount = m.groups()
        has = amount is not None
        if with_amounts is None:
            with_amounts = has
        elif with_amounts != has:
            raise SourceError("%s: journal entry mixes lines with and without amounts" % where)
        value = parse_amount(amount) if has else None
        if has:
            if side == "借":
                debit += value
            else:
                credit += value
        rows.append((side, account, value))
    if with_amounts and abs(debit - credit) > 0.005:
        raise SourceError("%s: journal entry does not balance: 借 %s, 贷 %s" % (where, debit, credit))
    cls = "je" if with_amounts else "je tpl"
    out = ['<table class="%s">' % cls]
    if caption:
        out.append("<caption>%s</caption>" % inline(caption))
    out.append('<thead><tr><th class="side"></th><th>会计科目</th><th class="amt">借方金额</th><th class="amt">贷方金额</th></tr></thead><tbody>')
    for side, account, value in rows:
        red = ' red' if value is not None and value < 0 else ''
        amt = fmt_amount(value) if value is not None else ""
        d = amt if side == "借" else ""
        c = amt if side == "贷" else ""
        out.append('<tr class="%s%s"><td class="side">%s：</td><td class="acct">%s</td><td class="amt">%s</td><td class="amt">%s</td></tr>'
                   % ("dr" if side == "借" else "cr", red, side, esc(account), d, c))
    out.append("</tbody></table>")
    return "".join(out)


def render_table(lines, caption):
    out = ["<table class=\"grid\">"]
    if caption:
        out.append("<caption>%s</caption>" % inline(caption))
    for i, line in enumerate(lines):
        cells = [c.strip() for c in line.split("|")]
        tag = "th" if i == 0 else "td"
        if i == 0:
            out.append("<thead>")
        out.append("<tr>" + "".join("<%s>%s</%s>" % (tag, inline(c), tag) for c in cells) + "</tr>")
        if i == 0:
            out.append("</thead><tbody>")
    out.append("</tbody></table>")
    return '<div class="scroll">' + "".join(out) + "</div>"


class Blocks:
    """Line-based markup shared by the chapter pages and the papers' material."""

    def __init__(self, where, selfcheck=None):
        self.where = where
        self.toc = []
        self.selfcheck = selfcheck  # renders the chapter's self-check, when it has one

    def render(self, lines):
        out = []
        para = []
        listing = None  # ("ul"|"ol", items)
        i = 0

        def flush():
            nonlocal para, listing
            if para:
                out.append("<p>%s</p>" % inline("".join(para)))
                para = []
            if listing:
                kind, items = listing
                out.append("<%s>%s</%s>" % (kind, "".join("<li>%s</li>" % inline(x) for x in items), kind))
                listing = None

        while i < len(lines):
            line = lines[i].rstrip()
            where = "%s line %d" % (self.where, i + 1)
            if not line.strip():
                flush()
            elif line.startswith("@je") or line.startswith("@table"):
                flush()
                kind, _, caption = line.partition(" ")
                body = []
                i += 1
                while i < len(lines) and lines[i].strip() != "@end":
                    if lines[i].strip():
                        body.append(lines[i].strip())
                    i += 1
                if i >= len(lines):
                    raise SourceError("%s: %s without @end" % (where, kind))
                if kind == "@je":
                    out.append(render_je(body, caption.strip(), where))
                else:
                    out.append(render_table(body, caption.strip()))
            elif line.strip() == "@selfcheck":
                flush()
                if self.selfcheck is None:
                    raise SourceError("%s: @selfcheck on a page without a self-check bank" % where)
                out.append(self.selfcheck())
                self.toc.append(("check", "本章自测"))
            elif line.startswith("@trap "):
                flush()
                out.append('<div class="trap"><strong>易错提示</strong>%s</div>' % inline(line[6:]))
            elif line.startswith("@key "):
                flush()
                out.append('<div class="key"><strong>考点</strong>%s</div>' % inline(line[5:]))
            elif line.startswith("@formula "):
                flush()
                out.append('<p class="formula">%s</p>' % inline(line[9:]))
            elif line.startswith("## "):
                flush()
                out.append("<h3>%s</h3>" % inline(line[3:]))
            elif line.startswith("# "):
                flush()
                ident = "s%d" % (len(self.toc) + 1)
                self.toc.append((ident, line[2:]))
                out.append('<h2 id="%s">%s</h2>' % (ident, inline(line[2:])))
            elif line.startswith("- "):
                if para or (listing and listing[0] != "ul"):
                    flush()
                if not listing:
                    listing = ("ul", [])
                listing[1].append(line[2:])
            elif re.match(r"^\d+\. ", line):
                if para or (listing and listing[0] != "ol"):
                    flush()
                if not listing:
                    listing = ("ol", [])
                listing[1].append(line.split(". ", 1)[1])
            elif line.startswith("<"):
                flush()
                out.append(line)
            else:
                if listing:
                    flush()
                para.append(line.strip())
            i += 1
        flush()
        return "\n".join(out)


def shown_title(name):
    """The heading a page is known by inside the guide: a paper's honest title, else its name."""
    return PAPER_TITLES.get(name, name)


def link_text(name):
    """Pager text for a neighbouring page; a paper is named as a practice paper with its
    directory name beside it."""
    if name in PAPER_TITLES:
        return "%s（目录名：%s）" % (PAPER_TITLES[name], name)
    return name


def page(name, kicker, lead, body, body_class, prev=None, nxt=None, script=False, toc=None):
    title = shown_title(name)
    doc_title = link_text(name)
    if name in PAPER_TITLES:
        lead = ('<p class="dirname">目录名：%s　·　本指南按会计从业资格考试的题型、题量和分值编写的练习卷，'
                '不是官方发布的考试真题</p>' % esc(name)) + lead
    nav = ""
    if toc:
        nav = '<nav class="toc"><strong>本页目录</strong>' + "".join(
            '<a href="#%s">%s</a>' % (ident, inline(text)) for ident, text in toc) + "</nav>"
    links = []
    if prev:
        links.append('<a class="prev" href="%s.htm">上一篇：%s</a>' % (esc(prev), esc(link_text(prev))))
    if nxt:
        links.append('<a class="next" href="%s.htm">下一篇：%s</a>' % (esc(nxt), esc(link_text(nxt))))
    pager = '<nav class="pager">%s</nav>' % "".join(links) if links else ""
    js = '\n<script src="paper.js"></script>' if script else ""
    return """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{doc_title}</title>
<link rel="stylesheet" href="guide.css">
</head>
<body class="{cls}">
<header class="masthead"><p class="kicker">会计从业资格考试 · 会计基础 · {kicker}</p><h1>{title}</h1>{lead}</header>
{nav}
<main>
{body}
</main>
{pager}
<footer class="colophon">会计基础学习指南 · 本指南内容依据会计从业资格考试“会计基础”科目的考试大纲编写，供复习备考使用。</footer>{js}
</body>
</html>
""".format(title=esc(title), doc_title=esc(doc_title), cls=body_class, kicker=esc(kicker), lead=lead, nav=nav, body=body, pager=pager, js=js)


def neighbours(name):
    i = ORDER.index(name)
    prev = ORDER[i - 1] if i > 0 else None
    nxt = ORDER[i + 1] if i + 1 < len(ORDER) else None
    return prev, nxt


def read_source(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    head, sep, body = text.partition("\n---\n")
    if not sep:
        raise SourceError("%s: no header" % path)
    meta = {}
    for line in head.splitlines():
        if line.strip():
            k, _, v = line.partition(":")
            meta[k.strip()] = v.strip()
    return meta, body.splitlines()


def build_text_page(name, kicker, body_class):
    path = os.path.join(HERE, "src", name + ".txt")
    meta, lines = read_source(path)
    checked = os.path.exists(check_bank_path(name))
    blocks = Blocks(os.path.basename(path), (lambda: build_selfcheck(name)) if checked else None)
    body = blocks.render(lines)
    if checked and "check" not in dict(blocks.toc):
        raise SourceError("%s: has a self-check bank but no @selfcheck line" % name)
    lead = '<p class="lead">%s</p>' % inline(meta["lead"]) if meta.get("lead") else ""
    prev, nxt = neighbours(name)
    toc = blocks.toc if len(blocks.toc) > 2 else None
    return page(name, kicker, lead, body, body_class, prev, nxt, script=checked, toc=toc)


# ---------------------------------------------------------------- papers

def parse_bank(path):
    """Returns {type: [question dict]} from a bank file."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    bank = {k: [] for k in ("single", "multi", "judge", "calc", "case")}
    bank["cases"] = []  # list of (material lines, [questions])
    kind = None
    q = None
    material = None
    where = os.path.basename(path)

    def finish():
        nonlocal q
        if q is None:
            return
        if not q.get("explain"):
            raise SourceError("%s: question without explanation: %s" % (where, q["stem"]))
        if kind == "case":
            bank["cases"][-1][1].append(q)
        else:
            bank[kind].append(q)
        q = None

    i = 0
    while i < len(lines):
        line = lines[i].rstrip()
        loc = "%s line %d" % (where, i + 1)
        if line.startswith("== "):
            finish()
            kind = line[3:].strip()
            if kind not in bank:
                raise SourceError("%s: unknown section %s" % (loc, kind))
        elif line.startswith("@case"):
            finish()
            material = []
            i += 1
            while i < len(lines) and not lines[i].startswith("?"):
                material.append(lines[i])
                i += 1
            bank["cases"].append((material, []))
            continue
        elif line.startswith("?"):
            finish()
            fixed = line.startswith("?!")
            q = {"stem": line[2:].strip() if fixed else line[1:].strip(), "fixed": fixed, "options": [], "explain": None}
        elif line.startswith("+ ") or line.startswith("- "):
            q["options"].append((line[0] == "+", line[2:].strip()))
        elif line.startswith("> "):
            q["truth"] = line[2:].strip()
        elif line.startswith("= "):
            ex = [line[2:]]
            i += 1
            while i < len(lines) and lines[i].strip() and not re.match(r"^(\?|== |@case)", lines[i]):
                if lines[i].startswith("@je"):
                    ex.append(lines[i])
                    i += 1
                    while lines[i].strip() != "@end":
                        ex.append(lines[i])
                        i += 1
                ex.append(lines[i])
                i += 1
            q["explain"] = ex
            continue
        elif line.strip():
            if q is not None and q["explain"] is None and not q["options"]:
                q["stem"] += line.strip()
            else:
                raise SourceError("%s: unexpected line %r" % (loc, line))
        i += 1
    finish()
    return bank


LETTERS = "ABCDE"


def question_rng(q):
    """A random source seeded from the question's own stem and options, so that its on-screen
    order is the same on every build and changes only when that question's source changes;
    editing one question does not reorder the others."""
    text = "\n".join([q["stem"]] + ["%s %s" % ("+" if ok else "-", t) for ok, t in q["options"]])
    return random.Random(int.from_bytes(hashlib.sha256(text.encode("utf-8")).digest()[:8], "big"))


def arrange(q, correct_slot, where):
    """Orders the options; for a single-choice question the correct one lands on correct_slot."""
    opts = list(q["options"])
    if not q["fixed"]:
        question_rng(q).shuffle(opts)
        if correct_slot is not None:
            idx = [k for k, (ok, _) in enumerate(opts) if ok][0]
            opts[idx], opts[correct_slot] = opts[correct_slot], opts[idx]
    key = "".join(LETTERS[k] for k, (ok, _) in enumerate(opts) if ok)
    return opts, key


def render_question(num, kind, q, points, opts, key, where, prefix="q"):
    qid = "%s%d" % (prefix, num)
    blocks = Blocks(where)
    if kind == "judge":
        truth = q.get("truth")
        if truth not in ("Y", "N"):
            raise SourceError("%s: judge question %d needs '> Y' or '> N'" % (where, num))
        key = truth
        inputs = ('<label><input type="radio" name="%s" value="Y"> 正确（√）</label>'
                  '<label><input type="radio" name="%s" value="N"> 错误（×）</label>') % (qid, qid)
        shown = "正确（√）" if key == "Y" else "错误（×）"
    else:
        typ = "radio" if kind in ("single", "calc") else "checkbox"
        inputs = "".join('<label><input type="%s" name="%s" value="%s"> %s. %s</label>'
                         % (typ, qid, LETTERS[k], LETTERS[k], inline(text)) for k, (_, text) in enumerate(opts))
        shown = key
    explain = blocks.render(q["explain"])
    order = ' data-order="fixed"' if q["fixed"] else ""
    return ('<div class="q" id="%s" data-type="%s" data-answer="%s" data-points="%s"%s>'
            '<p class="stem"><span class="num">%d.</span>%s<span class="pts">（%s 分）</span></p>'
            '<div class="opts">%s</div>'
            '<details class="ans"><summary>答案与解析</summary><p><strong>答案：%s</strong></p>%s</details></div>'
            % (qid, kind, key, points, order, num, inline(q["stem"]), points, inputs, shown, explain))


def build_paper(index):
    name = PAPERS[index]
    path = os.path.join(HERE, "bank", "paper%d.txt" % (index + 1))
    where = os.path.basename(path)
    bank = parse_bank(path)
    # Only the slots of the single-choice keys come from the paper's own seed; the options of
    # each question are ordered by question_rng.
    rng = random.Random(2014 + index)
    num = 0
    parts = []
    total = 0
    for kind, title, points, count, rule in SECTIONS:
        items = []
        if kind == "case":
            cases = bank["cases"]
            n = sum(len(qs) for _, qs in cases)
            if n != count:
                raise SourceError("%s: %d case questions, expected %d" % (where, n, count))
            for ci, (material, qs) in enumerate(cases):
                mat = Blocks(where).render(material)
                inner = []
                for q in qs:
                    num += 1
                    opts, key = arrange(q, None, where)
                    if not key:
                        raise SourceError("%s: question %d has no correct option" % (where, num))
                    inner.append(render_question(num, kind, q, points, opts, key, where))
                    total += points
                items.append('<div class="case"><h3>案例%s</h3><div class="material">%s</div>%s</div>'
                             % ("一二三四"[ci], mat, "".join(inner)))
        else:
            qs = bank[kind]
            if len(qs) != count:
                raise SourceError("%s: %d %s questions, expected %d" % (where, len(qs), kind, count))
            slots = [letter for letter, n in enumerate(SINGLE_SLOTS[index]) for _ in range(n)]
            rng.shuffle(slots)
            for k, q in enumerate(qs):
                num += 1
                opts, key = arrange(q, slots[k] if kind == "single" else None, where)
                if kind == "single" and len(key) != 1:
                    raise SourceError("%s: single-choice question %d has %d correct options" % (where, num, len(key)))
                if kind == "multi" and len(key) < 2:
                    raise SourceError("%s: multiple-choice question %d has fewer than two correct options" % (where, num))
                items.append(render_question(num, kind, q, points, opts, key, where))
                total += points
        parts.append('<section class="part" data-part="%s" data-title="%s"><h2>%s<small>（共 %d 题，每题 %d 分，计 %d 分）</small></h2><p class="rule">%s</p>%s</section>'
                     % (kind, title, title, count, points, count * points, rule, "\n".join(items)))
    if total != 100:
        raise SourceError("%s: paper totals %d points" % (where, total))
    notice = ('<div class="notice"><strong>说明：</strong>本卷是本指南按会计从业资格考试“会计基础”科目的题型、题量和分值编写的<strong>练习卷</strong>，'
              '不是官方发布的考试真题。全卷 100 分，60 分及格。练习时可逐题“核对本题”，也可“交卷评分”查看各题型得分；'
              '选“限时模拟考试”则按考试计时 90 分钟倒计时，交卷前看不到答案，时间到自动交卷，随后显示各题型得分和用时。'
              '打印前可选择打印不含答案的试卷，或连同答案与解析一起打印。作答情况不保存，离开本页即清空。'
              '每题下方的“答案与解析”在不启用脚本时同样可以展开阅读。</div>'
              '<noscript><p class="rule">当前未启用脚本：请展开每题下方的“答案与解析”自行核对。</p></noscript>')
    body = notice + ('<form id="paper" class="paper quiz" data-minutes="%d" data-pass="%d" autocomplete="off" onsubmit="return false">'
                     % (EXAM_MINUTES, PASS_MARK)) + "\n".join(parts) + "</form>"
    prev, nxt = neighbours(name)
    lead = '<p class="lead">%s</p>' % inline("题型：单项选择题 20 题、多项选择题 20 题、判断题 20 题、计算分析题 2 个案例共 10 小题。")
    return page(name, "习题精练与模拟考试", lead, body, "paper", prev, nxt, script=True), num


def check_bank_path(name):
    return os.path.join(HERE, "check", name + ".txt")


def build_selfcheck(name):
    """The chapter's 本章自测 from check/<chapter>.txt, in the papers' markup and scored by the
    papers' script: ids c1, c2, ... in the order shown."""
    path = check_bank_path(name)
    where = os.path.basename(path)
    bank = parse_bank(path)
    if bank["cases"]:
        raise SourceError("%s: a self-check has no case material" % where)
    rng = random.Random(name)
    num = 0
    parts = []
    for kind, title, points, rule in CHECK_SECTIONS:
        qs = bank[kind]
        if not qs:
            continue
        slots = [k % 4 for k in range(len(qs))]
        rng.shuffle(slots)
        items = []
        for k, q in enumerate(qs):
            num += 1
            one = kind in ("single", "calc")
            opts, key = arrange(q, slots[k] if one else None, where)
            if kind != "judge" and len(opts) < 4:
                raise SourceError("%s: question %d has fewer than four options" % (where, num))
            if one and len(key) != 1:
                raise SourceError("%s: question %d has %d correct options" % (where, num, len(key)))
            if kind == "multi" and len(key) < 2:
                raise SourceError("%s: multiple-choice question %d has fewer than two correct options" % (where, num))
            items.append(render_question(num, kind, q, points, opts, key, where, prefix="c"))
        parts.append('<section class="part" data-part="%s" data-title="%s"><h3>%s<small>（%d 题，每题 %d 分）</small></h3><p class="rule">%s</p>%s</section>'
                     % (kind, title, title, len(qs), points, rule, "\n".join(items)))
    if num < CHECK_MINIMUM:
        raise SourceError("%s: %d self-check questions, at least %d wanted" % (where, num, CHECK_MINIMUM))
    return ('<section class="selfcheck"><h2 id="check">本章自测</h2>'
            '<p class="rule">共 %d 题，题型与练习卷相同。可逐题“核对本题”，也可“交卷评分”按题型查看得分；每题都附解析。作答情况不保存。</p>'
            '<form id="selfcheck" class="quiz" autocomplete="off" onsubmit="return false">%s</form></section>'
            % (num, "\n".join(parts)))


def main(argv=None):
    parser = argparse.ArgumentParser(description="Builds the guide's pages from tools/content.")
    parser.add_argument("--out", default=DATA, help="folder to write the pages to (default: data/)")
    out = parser.parse_args(argv).out
    os.makedirs(out, exist_ok=True)
    outputs = {}
    try:
        outputs[GUIDE] = build_text_page(GUIDE, "考试指南", "guide")
        for name in CHAPTERS:
            if os.path.exists(os.path.join(HERE, "src", name + ".txt")):
                outputs[name] = build_text_page(name, "重点总结和考点精讲", "chapter")
        for i in range(len(PAPERS)):
            if os.path.exists(os.path.join(HERE, "bank", "paper%d.txt" % (i + 1))):
                outputs[PAPERS[i]], _ = build_paper(i)
        outputs[CONTACT] = build_text_page(CONTACT, "联系我们", "contact")
    except SourceError as e:
        print("error:", e, file=sys.stderr)
        return 1
    for name, text in outputs.items():
        with open(os.path.join(out, name + ".htm"), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    missing = [n for n in ORDER if n not in outputs]
    print("wrote %d pages%s" % (len(outputs), (", missing: " + ", ".join(missing)) if missing else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
