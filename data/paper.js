/* Practice papers and the chapters' self-checks: check one question or the whole set and show
   the score by section; a paper can also be taken as a timed mock exam.
   Each question carries its key in data attributes (data-type, data-answer, data-points), so
   the page reads fine without this script. Nothing is stored anywhere: no storage, no cookies;
   leaving the page forgets every answer. */
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

    function minutesAndSeconds(ms) {
        var s = Math.max(0, Math.round(ms / 1000));
        var m = Math.floor(s / 60);
        s -= m * 60;
        return (m < 10 ? '0' : '') + m + ':' + (s < 10 ? '0' : '') + s;
    }

    function inWords(ms) {
        var s = Math.max(0, Math.round(ms / 1000));
        var m = Math.floor(s / 60);
        return m + ' 分 ' + (s - m * 60) + ' 秒';
    }

    /* Grades every question of a form and writes the table by section into scoreBox; returns the
       total. note, when given, is a line put above the table (the mock exam's time used). */
    function gradeAll(form, scoreBox, totalLine, note) {
        var parts = form.querySelectorAll('section.part');
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
        var pass = Number(form.getAttribute('data-pass') || 0);
        scoreBox.textContent = '';
        var h = document.createElement('h2');
        h.textContent = '成绩';
        scoreBox.appendChild(h);
        if (note) {
            var noteLine = document.createElement('p');
            noteLine.className = 'exam-note';
            noteLine.textContent = note;
            scoreBox.appendChild(noteLine);
        }
        var line = document.createElement('p');
        line.className = 'verdict-line' + (pass ? (total >= pass ? ' pass' : ' fail') : '');
        var score = document.createElement('span');
        score.className = 'score-total';
        if (form.id === 'paper') score.id = 'score-total';
        score.textContent = String(total);
        line.appendChild(document.createTextNode('总分：'));
        line.appendChild(score);
        line.appendChild(document.createTextNode(' / ' + full + ' 分' + (pass
            ? '，' + (total >= pass ? '达到 ' + pass + ' 分及格线。' : '未达到 ' + pass + ' 分及格线。')
            : '。') + ' 各题的解析已经展开，答错和少选的题请对照相应章节复习。'));
        scoreBox.appendChild(line);
        scoreBox.appendChild(table);
        totalLine.textContent = '得分 ' + total + ' / ' + full;
        scoreBox.scrollIntoView();
        return total;
    }

    /* The timed mock exam of a paper. The clock is read from the system time, not counted in
       ticks, so a slow or hidden page keeps the right time; data-clock-rate on the form (1 when
       absent) makes the clock run faster, for trying the hand-in without waiting 90 minutes. */
    function MockExam(form, ui) {
        var minutes = Number(form.getAttribute('data-minutes'));
        var limit = minutes * 60000;
        var started = 0, rate = 1, timer = 0, running = false;

        function elapsed() {
            return Math.min(limit, (Date.now() - started) * rate);
        }

        function tick() {
            var used = elapsed();
            ui.clock.textContent = '剩余时间 ' + minutesAndSeconds(limit - used);
            ui.clock.classList.toggle('late', limit - used <= 5 * 60000);
            if (used >= limit) handIn(true);
        }

        function handIn(timeUp) {
            if (!running) return;
            var used = elapsed();
            running = false;
            window.clearInterval(timer);
            form.classList.remove('exam-running');
            form.classList.add('exam-done');
            ui.clock.textContent = timeUp ? '考试时间到，已自动交卷' : '已交卷';
            var note = (timeUp ? '考试时间到，试卷已自动交卷。' : '已交卷。') + '用时 ' + inWords(used) +
                '（限时 ' + minutes + ' 分钟）。';
            gradeAll(form, ui.scoreBox, ui.totalLine, note);
            ui.setButtons('done');
            form.dispatchEvent(new CustomEvent('paperhandedin', { detail: { timeUp: timeUp, used: used } }));
        }

        function start() {
            ui.resetAll();
            rate = Number(form.getAttribute('data-clock-rate')) || 1;
            started = Date.now();
            running = true;
            form.classList.remove('exam-done');
            form.classList.add('exam', 'exam-running');
            ui.setButtons('running');
            tick();
            timer = window.setInterval(tick, 250);
            window.scrollTo(0, 0);
        }

        function leave() {
            running = false;
            window.clearInterval(timer);
            form.classList.remove('exam', 'exam-running', 'exam-done');
            ui.clock.textContent = '';
            ui.resetAll();
            ui.setButtons('practice');
        }

        return { start: start, handIn: function () { handIn(false); }, leave: leave };
    }

    /* The reader's choice of what a printout holds. Printing shows what the page shows, so the
       choice opens or closes the answers before printing; a clean paper hides every key. */
    function printChoice(form) {
        var box = document.createElement('span');
        box.className = 'print-choice';
        box.appendChild(document.createTextNode('打印（Ctrl+P）：'));
        [['clean', '不含答案'], ['answers', '含答案与解析']].forEach(function (c, i) {
            var label = document.createElement('label');
            var input = document.createElement('input');
            input.type = 'radio';
            input.name = 'print-' + (form.id || 'quiz');
            input.value = c[0];
            input.checked = i === 0;
            input.className = 'print-choice-' + c[0];
            label.appendChild(input);
            label.appendChild(document.createTextNode(' ' + c[1]));
            box.appendChild(label);
        });
        return box;
    }

    function printMode(form) {
        var checked = form.querySelector('.print-choice input:checked');
        return checked ? checked.value : 'clean';
    }

    function setUp(form) {
        var qs = form.querySelectorAll('.q');
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
        if (form.id === 'paper') scoreBox.id = 'score';
        var bar = document.createElement('div');
        bar.className = 'paper-bar';
        var clock = document.createElement('span');
        clock.className = 'exam-clock';
        clock.setAttribute('role', 'timer');
        var totalLine = document.createElement('span');
        totalLine.className = 'total';

        var ui = { scoreBox: scoreBox, totalLine: totalLine, clock: clock };
        ui.resetAll = function () {
            // Radio buttons of the print choice are part of the form; keep the reader's choice.
            var mode = printMode(form);
            form.reset();
            var keep = form.querySelector('.print-choice input[value="' + mode + '"]');
            if (keep) keep.checked = true;
            for (var k = 0; k < qs.length; k++) clear(qs[k]);
            scoreBox.textContent = '';
            totalLine.textContent = '';
        };

        var exam = form.hasAttribute('data-minutes') ? MockExam(form, ui) : null;
        var gradeButton = button('交卷评分', 'primary grade-all', function () {
            if (exam && form.classList.contains('exam-running')) exam.handIn();
            else gradeAll(form, scoreBox, totalLine);
        });
        var resetButton = button('重新作答', 'reset-all', function () {
            ui.resetAll();
            form.scrollIntoView();
        });
        bar.appendChild(gradeButton);
        bar.appendChild(resetButton);
        var startButton, againButton, leaveButton;
        if (exam) {
            startButton = button('限时模拟考试（' + form.getAttribute('data-minutes') + ' 分钟）', 'start-exam', exam.start);
            againButton = button('再做一次', 'primary exam-again', exam.start);
            leaveButton = button('返回练习', 'leave-exam', exam.leave);
            bar.appendChild(startButton);
            bar.appendChild(againButton);
            bar.appendChild(leaveButton);
            bar.appendChild(clock);
        }
        ui.setButtons = function (state) {
            if (!exam) return;
            gradeButton.textContent = state === 'running' ? '交卷' : '交卷评分';
            gradeButton.hidden = state === 'done';
            resetButton.hidden = state !== 'practice';
            startButton.hidden = state !== 'practice';
            againButton.hidden = state !== 'done';
            leaveButton.hidden = state === 'practice';
        };
        ui.setButtons('practice');
        bar.appendChild(printChoice(form));
        bar.appendChild(totalLine);
        form.appendChild(scoreBox);
        form.appendChild(bar);
        form.addEventListener('change', function (e) {
            if (e.target.closest('.print-choice')) applyPrintMode(form);
        });
        applyPrintMode(form);
    }

    /* Marks the form with the reader's print choice; the print styles hide every answer,
       verdict and score of a form marked print-clean. With answers, the explanations are
       opened when printing starts, as closed <details> print as their summary only. */
    function applyPrintMode(form) {
        var clean = printMode(form) === 'clean';
        form.classList.toggle('print-clean', clean);
        form.classList.toggle('print-answers', !clean);
    }

    window.addEventListener('beforeprint', function () {
        var forms = document.querySelectorAll('form.quiz.print-answers:not(.exam-running)');
        for (var f = 0; f < forms.length; f++) {
            var d = forms[f].querySelectorAll('details.ans');
            for (var i = 0; i < d.length; i++) d[i].open = true;
        }
    });

    function init() {
        var forms = document.querySelectorAll('form.quiz');
        for (var i = 0; i < forms.length; i++) setUp(forms[i]);
    }

    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', init);
    else init();
})();
