#!/usr/bin/env python3
"""The content checker catches what it is meant to catch, and the pages are built reproducibly.

Each check is shown to fail on a deliberately broken copy of a real page and to pass on the
page as built; the build is run into a scratch folder and must reproduce the committed pages.

    python3 tests/content/test_check_content.py
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOLS = os.path.join(ROOT, "tools", "content")
DATA = os.path.join(ROOT, "data")
sys.path.insert(0, TOOLS)

import build_pages  # noqa: E402
import check_content  # noqa: E402

PAPER = "历年真题和答案(一)"
CH5 = "第五章：会计账簿"
CH7 = "第七章：财产清查"
CH10 = "第十章：主要经济业务事项账务处理"
SELFCHECK_Q = re.compile(r'<div class="q" id="c\d+".*?</details></div>', re.S)


def read(name):
    with open(os.path.join(DATA, name + ".htm"), encoding="utf-8") as f:
        return f.read()


def faults_of(name, source):
    faults = []
    page = check_content.check_page(name, source, DATA, faults)
    return faults, page


def replace_once(text, old, new):
    assert old in text, old
    return text.replace(old, new, 1)


class CheckerCatchesFaults(unittest.TestCase):
    def assertClean(self, name, source):
        faults, _ = faults_of(name, source)
        self.assertEqual(faults, [], "%s should pass as built" % name)

    def assertFault(self, name, source, words):
        faults, _ = faults_of(name, source)
        self.assertTrue(any(words in f for f in faults), "expected a fault with %r, got %r" % (words, faults))

    def test_committed_folder_passes(self):
        faults, entries, summary = check_content.check_folder(DATA)
        self.assertEqual(faults, [])
        self.assertEqual(len([line for line in summary if line.startswith(check_content.PAPER_PREFIX)]), 8)
        self.assertGreater(entries, 100)

    def test_position_words_in_an_explanation(self):
        page = read(PAPER)
        self.assertClean(PAPER, page)
        # The explanation follows the 答案 paragraph of the first question.
        anchor = re.search(r'<details class="ans"><summary>答案与解析</summary><p><strong>答案：[^<]*</strong></p>', page).group(0)
        for words in ("前三项都是资产内部一增一减", "后三项均不正确", "其余分别是合法性、合理性和及时性审核",
                      "第二项是会计分期", "B、C、D 三项都是正确的", "选项 A 属于损益类", "A 是及时性审核"):
            broken = replace_once(page, anchor, anchor + "<p>%s。</p>" % words)
            self.assertFault(PAPER, broken, "names an option by its position")
        # A question whose options keep their written order may point at them.
        fixed = replace_once(page, 'data-points="1">', 'data-points="1" data-order="fixed">')
        self.assertClean(PAPER, replace_once(fixed, anchor, anchor + "<p>前三项都是。</p>"))
        # Order-free wording and product names with letters are not positions.
        for words in ("其余三项属于流动负债", "A 产品和 B 产品分别负担", "这是会计档案销毁的最后一个步骤", "A、B 两种产品"):
            self.assertClean(PAPER, replace_once(page, anchor, anchor + "<p>%s。</p>" % words))

    def test_breakable_space_inside_a_number(self):
        page = read(CH10)
        self.assertIn("234,000", page)
        for space in (" ", "\u3000", "\u2009", "\n"):
            self.assertFault(CH10, page.replace("234,000", "234" + space + "000"), "breakable space inside a number")
        # A no-break space (the fraction numbering 8 1/3) is allowed.
        self.assertClean(CH10, page.replace("234,000", "234\u00a0000"))

    def test_paper_heading_title_or_link_claiming_an_official_paper(self):
        page = read(PAPER)
        self.assertIn("目录名：" + PAPER, page)
        self.assertFault(PAPER, re.sub(r"<h1>[^<]*</h1>", "<h1>%s</h1>" % PAPER, page), "heading")
        self.assertFault(PAPER, re.sub(r"<h1>[^<]*</h1>", "<h1>2013年会计基础真题练习卷（一）</h1>", page), "heading")
        self.assertFault(PAPER, re.sub(r"<title>[^<]*</title>", "<title>%s</title>" % PAPER, page), "title")
        self.assertFault(PAPER, re.sub(r"<title>[^<]*</title>", "<title>会计基础官方考试试卷</title>", page), "title")
        # The chapter before the first paper links to it; its pager text must read the same way.
        chapter = read(CH10)
        broken = re.sub(r'(<a class="next" href="%s\.htm">)[^<]*' % re.escape(PAPER), r"\1下一篇：%s" % PAPER, chapter)
        self.assertNotEqual(broken, chapter)
        self.assertFault(CH10, broken, "not as a practice paper")

    def test_every_journal_entry_unbalanced_is_caught(self):
        # Every entry of the pages, the new disposal, planned-cost and error-finding entries among
        # them, is caught when one amount is changed by one yuan.
        names = [n for n in check_content.PAGES]
        total = 0
        for name in names:
            page = read(name)
            tables = list(re.finditer(r'<table class="je">.*?</table>', page, re.S))
            for k, m in enumerate(tables):
                table = m.group(0)
                cell = re.search(r'<td class="amt">(\(?)([\d,.]+)(\)?)</td>', table)
                value = float(cell.group(2).replace(",", "")) + 1
                new_cell = '<td class="amt">%s%s%s</td>' % (cell.group(1), build_pages.fmt_amount(value), cell.group(3))
                broken_table = table[:cell.start()] + new_cell + table[cell.end():]
                broken = page[:m.start()] + broken_table + page[m.end():]
                faults, _ = faults_of(name, broken)
                self.assertIn("journal entry %d does not balance" % (k + 1), " | ".join(faults), name)
                total += 1
        self.assertEqual(total, check_content.check_folder(DATA)[1])
        # The new topics are there to be checked.
        self.assertIn("固定资产清理", read(CH10))
        self.assertIn("材料成本差异", read(CH10))
        self.assertIn("除9法", read(CH5))


def with_another_letter(key):
    missing = [c for c in "ABCD" if c not in key][0]
    return "".join(sorted(key + missing))


def set_answers(page, kind, change):
    """Rewrites the data-answer of every question of one kind through change(key)."""
    return re.sub(r'(data-type="%s" data-answer=")([A-Z]+)(")' % kind,
                  lambda m: m.group(1) + change(m.group(2)) + m.group(3), page)


class CheckerEnforcesKeyShares(unittest.TestCase):
    """The keys of the papers vary as the exam's do; a pattern a candidate could learn fails."""

    def faults(self, name, page):
        return " | ".join(faults_of(name, page)[0])

    def test_multiple_choice_with_two_three_and_four_correct(self):
        page = read(PAPER)
        self.assertEqual(self.faults(PAPER, page), "")
        # Every two-letter key made three letters long: no paper may be mostly "pick three".
        three = set_answers(page, "multi", lambda k: k if len(k) != 2 else with_another_letter(k))
        self.assertIn("have 2 correct options; at least a fifth", self.faults(PAPER, three))
        no_four = set_answers(page, "multi", lambda k: k[:3])
        self.assertIn("have 4 correct options; at least a fifth", self.faults(PAPER, no_four))

    def test_case_questions_with_more_than_one_answer(self):
        page = read(PAPER)
        single = set_answers(page, "case", lambda k: k[0])
        self.assertIn("case questions have more than one correct answer", self.faults(PAPER, single))

    def test_single_choice_letters_across_the_papers(self):
        papers = [(name, faults_of(name, read(name))[1].questions)
                  for name in check_content.PAGES if name.startswith(check_content.PAPER_PREFIX)]
        faults = []
        check_content.check_single_shares(papers, faults)
        self.assertEqual(faults, [])
        # The same letter as key in three whole papers: A is the key far more than 30 % of the time.
        for _, questions in papers[:3]:
            for q in questions:
                if q["type"] == "single":
                    q["answer"] = "A"
        faults = []
        check_content.check_single_shares(papers, faults)
        self.assertTrue(any("key A in" in f for f in faults), faults)
        # Five of each letter in every paper: even shares, but a pattern to count on.
        for _, questions in papers:
            singles = [q for q in questions if q["type"] == "single"]
            for k, q in enumerate(singles):
                q["answer"] = "ABCD"[k % 4]
        faults = []
        check_content.check_single_shares(papers, faults)
        self.assertTrue(any("5 times in every paper" in f for f in faults), faults)
        self.assertFalse(any(" in " in f and "%" in f for f in faults), faults)

    def test_paper_offers_the_timed_mock_exam(self):
        page = read(PAPER)
        self.assertIn('data-minutes="90"', page)
        self.assertIn("90-minute mock exam", self.faults(PAPER, page.replace(' data-minutes="90"', "")))
        self.assertIn("90-minute mock exam", self.faults(PAPER, page.replace('data-minutes="90"', 'data-minutes="60"')))


class CheckerEnforcesSelfChecks(unittest.TestCase):
    """Each chapter ends in a scored self-check of enough explained questions of mixed kinds."""

    def faults(self, name, page):
        return " | ".join(faults_of(name, page)[0])

    def test_chapters_pass_as_built(self):
        for name in check_content.PAGES:
            if name.startswith(check_content.CHAPTER_PREFIX):
                faults, page = faults_of(name, read(name))
                self.assertEqual(faults, [], name)
                self.assertGreaterEqual(page.selfcheck, 15, name)

    def test_too_few_questions_or_kinds(self):
        page = read(CH7)
        items = SELFCHECK_Q.findall(page)
        self.assertGreaterEqual(len(items), 15)
        short = page
        for item in items[:len(items) - 14]:
            short = short.replace(item, "", 1)
        self.assertIn("14 self-check questions, at least 15", self.faults(CH7, short))
        no_judge = page
        for item in items:
            if 'data-type="judge"' in item:
                no_judge = no_judge.replace(item, "", 1)
        self.assertIn("has no judge questions", self.faults(CH7, no_judge))

    def test_question_without_explanation_or_with_a_bad_key(self):
        page = read(CH7)
        item = SELFCHECK_Q.findall(page)[0]
        bare = re.sub(r'<details class="ans">.*</details>', "", item, flags=re.S)
        self.assertIn("no explanation", self.faults(CH7, page.replace(item, bare, 1)))
        empty = re.sub(r'(<details class="ans"><summary>答案与解析</summary><p><strong>[^<]*</strong></p>).*(</details>)',
                       r"\1\2", item, flags=re.S)
        self.assertIn("no explanation", self.faults(CH7, page.replace(item, empty, 1)))
        bad = re.sub(r'data-answer="[A-Z]+"', 'data-answer="E"', item, count=1)
        self.assertIn("does not name its options", self.faults(CH7, page.replace(item, bad, 1)))

    def test_chapter_without_a_self_check_form(self):
        page = read(CH7)
        self.assertIn("no self-check form", self.faults(CH7, page.replace('id="selfcheck"', 'id="notes"')))

    def test_too_few_questions_in_all(self):
        with tempfile.TemporaryDirectory() as out:
            for name in os.listdir(DATA):
                shutil.copy(os.path.join(DATA, name), out)
            faults, _, summary = check_content.check_folder(out)
            self.assertEqual(faults, [])
            self.assertTrue(any(line.endswith("questions in all") for line in summary))
            # Without the chapters' self-checks the papers alone hold 560 questions.
            for name in check_content.PAGES:
                if name.startswith(check_content.CHAPTER_PREFIX):
                    path = os.path.join(out, name + ".htm")
                    with open(path, encoding="utf-8") as f:
                        page = f.read()
                    with open(path, "w", encoding="utf-8") as f:
                        f.write(SELFCHECK_Q.sub("", page))
            faults, _, _ = check_content.check_folder(out)
            self.assertIn("560 questions in the papers and self-checks, at least 700 wanted", faults)


class BuildIsReproducible(unittest.TestCase):
    def test_build_repeats_the_committed_pages(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, os.path.join(TOOLS, "build_pages.py"), "--out", out],
                           check=True, stdout=subprocess.DEVNULL)
            for name in check_content.PAGES:
                with open(os.path.join(out, name + ".htm"), encoding="utf-8") as f:
                    self.assertEqual(f.read(), read(name), "%s.htm differs from a fresh build" % name)

    def test_options_are_ordered_by_the_question_alone(self):
        q = {"stem": "下列各项中，属于期间费用的有（  ）。", "fixed": False,
             "options": [(True, "管理费用"), (True, "销售费用"), (True, "财务费用"), (False, "制造费用")]}
        first = build_pages.arrange(q, None, "t")
        self.assertEqual(build_pages.arrange(dict(q), None, "t"), first)
        self.assertEqual(sorted(first[0]), sorted(q["options"]))
        self.assertEqual(len(first[1]), 3)
        # A single-choice key lands on the slot asked for.
        single = dict(q, options=[(True, "管理费用"), (False, "制造费用"), (False, "生产成本"), (False, "在建工程")])
        for slot in range(4):
            self.assertEqual(build_pages.arrange(single, slot, "t")[1], "ABCD"[slot])

    def test_amounts_in_the_sources(self):
        with self.assertRaises(build_pages.SourceError):
            build_pages.inline("增值税 34 000 元")
        self.assertEqual(build_pages.inline("编为 8 1/3"), "编为 8\u00a01/3")
        self.assertEqual(build_pages.inline("增值税 34,000 元"), '增值税 <span class="num">34,000</span> 元')
        self.assertEqual(build_pages.inline("2014 年 20 题"), "2014 年 20 题")


if __name__ == "__main__":
    unittest.main()
