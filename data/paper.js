/* Practice papers: check one question or the whole paper and show the score by section.
   Each question carries its key in data attributes (data-type, data-answer, data-points), so
   the page reads fine without this script; nothing is stored anywhere. */
(function () {
    'use strict';

    var STATES = ['right', 'wrong', 'partial', 'blank'];
    var LABELS = { right: '✔ 回答正确', wrong: '✘ 回答错误', partial: '△ 少选，部分得分', blank: '— 未作答' };

    function chosen(q) {
        var inputs = q.querySelectorAll('input'), v = [];
        for (var i = 0; i < inputs.length; i++) {
            if (inputs[i].checked) v.push(inputs[i].value);
        }
        return v.sort().join('');
    }

    /* Scores one question: all types earn full points for the exact key; a case question
       earns half for a non-empty subset of the key (少选); anything else earns nothing. */
    function grade(q) {
        var key = q.getAttribute('data-answer');
        var points = Number(q.getAttribute('data-points'));
        var got = chosen(q);
        if (got === '') return { state: 'blank', score: 0, points: points };
        if (got === key) return { state: 'right', score: points, points: points };
        if (q.getAttribute('data-type') === 'case') {
            var subset = got.split('').every(function (c) { return key.indexOf(c) >= 0; });
            if (subset) return { state: 'partial', score: points / 2, points: points };
        }
        return { state: 'wrong', score: 0, points: points };
    }

    function show(q, r) {
        STATES.forEach(function (s) { q.classList.remove(s); });
        q.classList.add(r.state);
        q.querySelector('.verdict').textContent = LABELS[r.state] + '（得 ' + r.score + ' 分）';
        var key = q.getAttribute('data-answer');
        var labels = q.querySelectorAll('.opts label');
        for (var i = 0; i < labels.length; i++) {
            var input = labels[i].querySelector('input');
            labels[i].classList.toggle('key-option', key.indexOf(input.value) >= 0);
        }
        q.querySelector('details.ans').open = true;
    }

    function clear(q) {
        STATES.forEach(function (s) { q.classList.remove(s); });
        q.querySelector('.verdict').textContent = '';
        var labels = q.querySelectorAll('.opts label');
        for (var i = 0; i < labels.length; i++) labels[i].classList.remove('key-option');
        q.querySelector('details.ans').open = false;
    }

    function button(text, cls, onClick) {
        var b = document.createElement('button');
        b.type = 'button';
        b.className = 'btn ' + cls;
        b.textContent = text;
        b.addEventListener('click', onClick);
        return b;
    }

    function cell(row, text, cls) {
        var td = document.createElement(row.parentNode && row.parentNode.tagName === 'THEAD' ? 'th' : 'td');
        td.textContent = text;
        if (cls) td.className = cls;
        row.appendChild(td);
        return td;
    }

    function gradeAll(paper, scoreBox, totalLine) {
        var parts = paper.querySelectorAll('section.part');
        var total = 0, full = 0;
        var table = document.createElement('table');
        table.className = 'grid';
        var head = table.createTHead().insertRow();
        ['题型', '题数', '答对', '少选', '答错', '未答', '得分', '满分'].forEach(function (t, i) {
            cell(head, t, i ? 'n' : '');
        });
        var body = table.createTBody();
        for (var p = 0; p < parts.length; p++) {
            var qs = parts[p].querySelectorAll('.q');
            var n = { right: 0, partial: 0, wrong: 0, blank: 0 }, score = 0, max = 0;
            for (var i = 0; i < qs.length; i++) {
                var r = grade(qs[i]);
                show(qs[i], r);
                n[r.state]++;
                score += r.score;
                max += r.points;
            }
            total += score;
            full += max;
            var row = body.insertRow();
            row.setAttribute('data-part', parts[p].getAttribute('data-part'));
            cell(row, parts[p].getAttribute('data-title'));
            cell(row, String(qs.length), 'n');
            cell(row, String(n.right), 'n');
            cell(row, String(n.partial), 'n');
            cell(row, String(n.wrong), 'n');
            cell(row, String(n.blank), 'n');
            cell(row, String(score), 'n part-score');
            cell(row, String(max), 'n');
        }
        scoreBox.textContent = '';
        var h = document.createElement('h2');
        h.textContent = '成绩';
        scoreBox.appendChild(h);
        var line = document.createElement('p');
        line.className = 'verdict-line ' + (total >= 60 ? 'pass' : 'fail');
        line.innerHTML = '总分：<span id="score-total">' + total + '</span> / ' + full + ' 分，' +
            (total >= 60 ? '达到 60 分及格线。' : '未达到 60 分及格线。') +
            ' 各题的解析已经展开，答错和少选的题请对照相应章节复习。';
        scoreBox.appendChild(line);
        scoreBox.appendChild(table);
        totalLine.textContent = '得分 ' + total + ' / ' + full;
        scoreBox.scrollIntoView();
    }

    function init() {
        var paper = document.getElementById('paper');
        if (!paper) return;
        var qs = paper.querySelectorAll('.q');
        for (var i = 0; i < qs.length; i++) {
            (function (q) {
                var tools = document.createElement('div');
                tools.className = 'q-tools';
                tools.appendChild(button('核对本题', 'check-one', function () { show(q, grade(q)); }));
                var verdict = document.createElement('span');
                verdict.className = 'verdict';
                tools.appendChild(verdict);
                q.insertBefore(tools, q.querySelector('details.ans'));
            })(qs[i]);
        }
        var scoreBox = document.createElement('section');
        scoreBox.className = 'score';
        scoreBox.id = 'score';
        var bar = document.createElement('div');
        bar.className = 'paper-bar';
        var totalLine = document.createElement('span');
        totalLine.className = 'total';
        bar.appendChild(button('交卷评分', 'primary grade-all', function () { gradeAll(paper, scoreBox, totalLine); }));
        bar.appendChild(button('重新作答', 'reset-all', function () {
            paper.reset();
            for (var k = 0; k < qs.length; k++) clear(qs[k]);
            scoreBox.textContent = '';
            totalLine.textContent = '';
            window.scrollTo(0, 0);
        }));
        bar.appendChild(totalLine);
        paper.appendChild(scoreBox);
        paper.appendChild(bar);
    }

    /* Printing shows every answer: closed <details> would print as their summary only. */
    window.addEventListener('beforeprint', function () {
        var d = document.querySelectorAll('details');
        for (var i = 0; i < d.length; i++) d[i].open = true;
    });

    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', init);
    else init();
})();
