// Drives a practice paper in the real page view the way a candidate does: answers some
// questions right and some wrong, checks single questions and the whole paper, and reads back
// the score the page shows against a score worked out here from the paper's own answer key.
// The timed mock exam runs on a sped-up clock; printing goes through the page view's own PDF
// output, whose text is read back.
#include "PdfText.h"
#include "RecordingPage.h"
#include "RequestRecorder.h"

#include <QDir>
#include <QEventLoop>
#include <QPageLayout>
#include <QPageSize>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>
#include <algorithm>

namespace {

const int kLoadTimeoutMs = 60000;

QString paperPath(const QString &number)
{
    return QDir(QStringLiteral(GUIDE_DATA_DIR))
        .absoluteFilePath(QStringLiteral("历年真题和答案(%1).htm").arg(number));
}

// Runs an event loop until the page logs a message starting with prefix; false on time-out.
bool waitForMessage(RecordingPage *page, const QString &prefix, int timeoutMs)
{
    for (const QString &m : page->messages()) {
        if (m.section(QStringLiteral(": "), 1).startsWith(prefix))
            return true;
    }
    QEventLoop loop;
    bool seen = false;
    QObject::connect(page, &RecordingPage::messageLogged, &loop, [&](const QString &message) {
        if (message.startsWith(prefix)) {
            seen = true;
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return seen;
}

// Prints the page as the page view prints it and returns the text of the printout.
PdfText printedText(QWebEnginePage *page)
{
    QEventLoop loop;
    QByteArray pdf;
    bool done = false;
    page->printToPdf(
        [&](const QByteArray &data) {
            pdf = data;
            done = true;
            loop.quit();
        },
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    if (!done)
        loop.exec();
    return PdfText(pdf);
}

// A wrong answer of the same shape as the key: another letter, or the other truth value.
QString wrongAnswer(const QString &type, const QString &key)
{
    if (type == QLatin1String("judge"))
        return key == QLatin1String("Y") ? QStringLiteral("N") : QStringLiteral("Y");
    for (const QChar c : QStringLiteral("ABCD")) {
        if (!key.contains(c))
            return QString(c);
    }
    return QString();
}

} // namespace

class tst_content_paper : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void checkingOneQuestionShowsItsVerdict();
    void gradingScoresEachSection();
    void resetClearsAnswersAndScore();
    void timedPaperHandsItselfInAtZero();
    void timedPaperHandedInEarlyAndTakenAgain();
    void printingWithoutAnswersPrintsNoKey();
    void chapterSelfCheckIsScoredLikeAPaper();

private:
    struct Question {
        QString id;
        QString type;
        QString key;
    };
    void loadPaper(const QString &number);
    void answer(const QString &id, const QString &letters);
    QString stateOf(const QString &id);

    QWebEngineProfile *m_profile = nullptr;
    RecordingPage *m_page = nullptr;
    QWebEngineView *m_view = nullptr;
    QList<Question> m_questions;
};

void tst_content_paper::initTestCase()
{
    m_profile = new QWebEngineProfile(this);
    m_profile->setUrlRequestInterceptor(new RequestRecorder(this));
    m_page = new RecordingPage(m_profile, this);
    m_view = new QWebEngineView;
    m_view->setPage(m_page);
    m_view->resize(690, 560);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void tst_content_paper::cleanupTestCase()
{
    delete m_view;
    delete m_page;
}

void tst_content_paper::init()
{
    loadPaper(QStringLiteral("一"));
}

void tst_content_paper::loadPaper(const QString &number)
{
    m_page->clearMessages();
    QSignalSpy finished(m_page, &QWebEnginePage::loadFinished);
    m_page->load(QUrl::fromLocalFile(paperPath(number)));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLoadTimeoutMs);
    QVERIFY(finished.first().first().toBool());
    QTRY_COMPARE_WITH_TIMEOUT(
        m_page->evaluate(QStringLiteral("document.querySelectorAll('.check-one').length")).toInt(),
        70, 10000);

    m_questions.clear();
    const QVariantList list
        = m_page
              ->evaluate(QStringLiteral("Array.from(document.querySelectorAll('.q'))"
                                        ".map(q => [q.id, q.dataset.type, q.dataset.answer])"))
              .toList();
    for (const QVariant &v : list) {
        const QStringList f = v.toStringList();
        m_questions.append({ f.value(0), f.value(1), f.value(2) });
    }
    QCOMPARE(m_questions.size(), 70);
}

// Clicks the inputs so that exactly the given letters are chosen, as a user would.
void tst_content_paper::answer(const QString &id, const QString &letters)
{
    const QString script = QStringLiteral(
        "(function(){var n=0;document.querySelectorAll('#%1 input').forEach(function(i){"
        "if('%2'.indexOf(i.value)>=0!==i.checked){i.click();n++;}});return n;})()")
                               .arg(id, letters);
    QVERIFY(m_page->evaluate(script).isValid());
}

QString tst_content_paper::stateOf(const QString &id)
{
    return m_page
        ->evaluate(QStringLiteral("(function(){var q=document.getElementById('%1');"
                                  "return ['right','wrong','partial','blank']"
                                  ".filter(function(s){return q.classList.contains(s);}).join(' ')"
                                  "+'|'+q.querySelector('details.ans').open;})()")
                       .arg(id))
        .toString();
}

void tst_content_paper::checkingOneQuestionShowsItsVerdict()
{
    const Question &first = m_questions.at(0);
    const Question &second = m_questions.at(1);
    answer(first.id, first.key);
    answer(second.id, wrongAnswer(second.type, second.key));

    QCOMPARE(stateOf(first.id), QStringLiteral("|false"));
    m_page->evaluate(
        QStringLiteral("document.querySelector('#%1 .check-one').click()").arg(first.id));
    QCOMPARE(stateOf(first.id), QStringLiteral("right|true"));
    m_page->evaluate(
        QStringLiteral("document.querySelector('#%1 .check-one').click()").arg(second.id));
    QCOMPARE(stateOf(second.id), QStringLiteral("wrong|true"));
    // Checking one question grades nothing else.
    QCOMPARE(stateOf(m_questions.at(2).id), QStringLiteral("|false"));
    QVERIFY(m_page->evaluate(QStringLiteral("document.getElementById('score-total')")).isNull());
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

void tst_content_paper::gradingScoresEachSection()
{
    // Single choice: first ten right, last ten wrong. Multiple choice: five right, five with a
    // wrong letter added, five with a letter missing (no points for either), five blank.
    // True/false: all right. Case: one right, one with a letter missing (half points), one
    // wrong, the rest blank.
    QMap<QString, double> expected;
    int index[4] = { 0, 0, 0, 0 };
    bool partialDone = false;
    int caseRight = 0, caseWrong = 0;
    for (const Question &q : std::as_const(m_questions)) {
        if (q.type == QLatin1String("single")) {
            const int n = index[0]++;
            answer(q.id, n < 10 ? q.key : wrongAnswer(q.type, q.key));
            expected[q.type] += n < 10 ? 1 : 0;
        } else if (q.type == QLatin1String("multi")) {
            const int n = index[1]++;
            if (n < 5) {
                answer(q.id, q.key);
                expected[q.type] += 2;
            } else if (n < 10 && q.key.size() < 4) {
                answer(q.id, q.key + wrongAnswer(q.type, q.key));
            } else if (n < 15) {
                answer(q.id, q.key.left(q.key.size() - 1));
            }
        } else if (q.type == QLatin1String("judge")) {
            answer(q.id, q.key);
            expected[q.type] += 1;
        } else if (q.type == QLatin1String("case")) {
            if (!partialDone && q.key.size() > 1) {
                answer(q.id, q.key.left(1));
                expected[q.type] += 1;
                partialDone = true;
            } else if (caseRight == 0) {
                answer(q.id, q.key);
                expected[q.type] += 2;
                ++caseRight;
            } else if (caseWrong == 0 && q.key.size() < 4) {
                answer(q.id, wrongAnswer(q.type, q.key));
                ++caseWrong;
            }
        }
    }
    QVERIFY(partialDone);
    QCOMPARE(index[0], 20);
    QCOMPARE(index[1], 20);

    m_page->evaluate(QStringLiteral("document.querySelector('.grade-all').click()"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_page->evaluate(QStringLiteral("document.getElementById('score-total')")).isNull(),
        10000);

    double total = 0;
    for (double v : std::as_const(expected))
        total += v;
    QCOMPARE(m_page->evaluate(QStringLiteral("document.getElementById('score-total').textContent"))
                 .toString(),
        QString::number(total));
    for (const char *part : { "single", "multi", "judge", "case" }) {
        const QString shown = m_page
                                  ->evaluate(QStringLiteral("document.querySelector("
                                                            "'#score tr[data-part=%1] .part-score')"
                                                            ".textContent")
                                                 .arg(QLatin1String(part)))
                                  .toString();
        QCOMPARE(shown, QString::number(expected.value(QLatin1String(part))));
    }
    // Below 60 the page says the paper is not passed; every question now shows its verdict.
    QVERIFY(m_page->evaluate(QStringLiteral("document.querySelector('#score .fail') !== null"))
                .toBool());
    QCOMPARE(
        m_page->evaluate(QStringLiteral("document.querySelectorAll('.q details[open]').length"))
            .toInt(),
        70);
    QCOMPARE(stateOf(m_questions.at(19).id), QStringLiteral("wrong|true"));
    QCOMPARE(stateOf(m_questions.at(39).id), QStringLiteral("blank|true"));
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

void tst_content_paper::resetClearsAnswersAndScore()
{
    // A full paper answered from its key scores 100 and passes; starting over clears it all.
    for (const Question &q : std::as_const(m_questions))
        answer(q.id, q.key);
    m_page->evaluate(QStringLiteral("document.querySelector('.grade-all').click()"));
    QTRY_COMPARE_WITH_TIMEOUT(
        m_page->evaluate(QStringLiteral("(document.getElementById('score-total')||{}).textContent"))
            .toString(),
        QStringLiteral("100"), 10000);
    QVERIFY(m_page->evaluate(QStringLiteral("document.querySelector('#score .pass') !== null"))
                .toBool());

    m_page->evaluate(QStringLiteral("document.querySelector('.reset-all').click()"));
    QCOMPARE(m_page
                 ->evaluate(
                     QStringLiteral("document.querySelectorAll('#paper .q input:checked').length"))
                 .toInt(),
        0);
    QVERIFY(m_page->evaluate(QStringLiteral("document.getElementById('score-total')")).isNull());
    QCOMPARE(stateOf(m_questions.at(0).id), QStringLiteral("|false"));
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

void tst_content_paper::timedPaperHandsItselfInAtZero()
{
    // 90 exam minutes pass in about 18 seconds. The clock's text is logged at every change, and
    // the hand-in is logged, so the test waits on the page's own messages.
    m_page->evaluate(QStringLiteral(
        "(function(){var f=document.getElementById('paper');f.dataset.clockRate='300';"
        "var c=document.querySelector('.exam-clock');"
        "new MutationObserver(function(){console.log('clock '+c.textContent);})"
        ".observe(c,{childList:true,characterData:true,subtree:true});"
        "f.addEventListener('paperhandedin',function(e){console.log('handed-in "
        "'+e.detail.timeUp);});"
        "})()"));
    QCOMPARE(
        m_page->evaluate(QStringLiteral("document.querySelector('.start-exam').hidden")).toBool(),
        false);
    // Starting the exam and answering happen in one script, so no exam time passes in between:
    // three single-choice questions right, two multiple-choice right, one true/false wrong.
    QString answers;
    int singles = 0, multis = 0, judges = 0;
    for (const Question &q : std::as_const(m_questions)) {
        QString letters;
        if (q.type == QLatin1String("single") && singles++ < 3)
            letters = q.key;
        else if (q.type == QLatin1String("multi") && multis++ < 2)
            letters = q.key;
        else if (q.type == QLatin1String("judge") && judges++ < 1)
            letters = wrongAnswer(q.type, q.key);
        if (!letters.isEmpty())
            answers += QStringLiteral("['%1','%2'],").arg(q.id, letters);
    }
    m_page->evaluate(QStringLiteral(
        "(function(){document.querySelector('.start-exam').click();"
        "[%1].forEach(function(a){document.querySelectorAll('#'+a[0]+' input').forEach(function(i){"
        "if(a[1].indexOf(i.value)>=0)i.click();});});})()")
                         .arg(answers));

    // While the clock runs no answer can be seen or checked.
    QCOMPARE(m_page
                 ->evaluate(QStringLiteral(
                     "Array.from(document.querySelectorAll('details.ans, .q-tools'))"
                     ".every(function(e){return getComputedStyle(e).display==='none';})"))
                 .toBool(),
        true);
    QVERIFY(m_page->evaluate(QStringLiteral("document.getElementById('score-total')")).isNull());

    QVERIFY2(waitForMessage(m_page, QStringLiteral("handed-in true"), 180000),
        qPrintable(m_page->messages().join(QLatin1Char('\n'))));

    // The clock counted down, minute by minute, to zero and then said the paper was handed in.
    QList<int> remaining;
    for (const QString &m : m_page->messages()) {
        const QString text = m.section(QStringLiteral(": "), 1);
        const QRegularExpression clock(QStringLiteral("^clock 剩余时间 (\\d\\d):(\\d\\d)$"));
        const auto match = clock.match(text);
        if (match.hasMatch())
            remaining << match.captured(1).toInt() * 60 + match.captured(2).toInt();
    }
    QVERIFY2(remaining.size() >= 3, qPrintable(m_page->messages().join(QLatin1Char('\n'))));
    QVERIFY(remaining.first() <= 90 * 60 && remaining.first() > 80 * 60);
    QVERIFY(std::is_sorted(remaining.rbegin(), remaining.rend()));
    QVERIFY(remaining.first() > remaining.last());
    QCOMPARE(m_page->evaluate(QStringLiteral("document.querySelector('.exam-clock').textContent"))
                 .toString(),
        QStringLiteral("考试时间到，已自动交卷"));

    // The score by section, and the whole exam time used.
    QCOMPARE(m_page->evaluate(QStringLiteral("document.getElementById('score-total').textContent"))
                 .toString(),
        QStringLiteral("7"));
    const QStringList expected { QStringLiteral("single=3"), QStringLiteral("multi=4"),
        QStringLiteral("judge=0"), QStringLiteral("case=0") };
    QCOMPARE(m_page
                 ->evaluate(QStringLiteral(
                     "Array.from(document.querySelectorAll('#score tbody tr')).map(function(r){"
                     "return r.dataset.part+'='+r.querySelector('.part-score').textContent;})"))
                 .toStringList(),
        expected);
    const QString note
        = m_page->evaluate(
                    QStringLiteral("document.querySelector('#score .exam-note').textContent"))
              .toString();
    QVERIFY2(
        note.contains(QStringLiteral("时间到")) && note.contains(QStringLiteral("用时 90 分 0 秒")),
        qPrintable(note));
    // Now the answers are open, and the exam can be taken again.
    QCOMPARE(
        m_page->evaluate(QStringLiteral("document.querySelectorAll('.q details[open]').length"))
            .toInt(),
        70);
    QCOMPARE(
        m_page->evaluate(QStringLiteral("document.querySelector('.exam-again').hidden")).toBool(),
        false);
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

void tst_content_paper::timedPaperHandedInEarlyAndTakenAgain()
{
    // At the real pace a hand-in by the candidate stops the clock at the time used; 再做一次
    // starts a fresh exam: no answers, no score, the full time again, answers hidden again.
    m_page->evaluate(QStringLiteral(
        "document.getElementById('paper').addEventListener('paperhandedin',function(e){"
        "console.log('handed-in '+e.detail.timeUp);})"));
    const Question &first = m_questions.at(0);
    m_page->evaluate(QStringLiteral("document.querySelector('.start-exam').click()"));
    answer(first.id, first.key);
    QCOMPARE(m_page->evaluate(QStringLiteral("document.querySelector('.grade-all').textContent"))
                 .toString(),
        QStringLiteral("交卷"));
    m_page->evaluate(QStringLiteral("document.querySelector('.grade-all').click()"));
    QVERIFY(waitForMessage(m_page, QStringLiteral("handed-in false"), 30000));
    QCOMPARE(m_page->evaluate(QStringLiteral("document.getElementById('score-total').textContent"))
                 .toString(),
        QStringLiteral("1"));
    const QString note
        = m_page->evaluate(
                    QStringLiteral("document.querySelector('#score .exam-note').textContent"))
              .toString();
    // Handed in by hand, at the real pace: the note gives the time used and the limit.
    QVERIFY2(QRegularExpression(QStringLiteral("^已交卷。用时 \\d+ 分 \\d+ 秒（限时 90 分钟）。$"))
                 .match(note)
                 .hasMatch(),
        qPrintable(note));

    m_page->evaluate(QStringLiteral("document.querySelector('.exam-again').click()"));
    QCOMPARE(m_page
                 ->evaluate(
                     QStringLiteral("document.querySelectorAll('#paper .q input:checked').length"))
                 .toInt(),
        0);
    QVERIFY(m_page->evaluate(QStringLiteral("document.getElementById('score-total')")).isNull());
    QVERIFY(m_page->evaluate(QStringLiteral("document.querySelector('.exam-clock').textContent"))
                .toString()
                .startsWith(QStringLiteral("剩余时间 ")));
    QCOMPARE(m_page
                 ->evaluate(QStringLiteral(
                     "getComputedStyle(document.querySelector('details.ans')).display"))
                 .toString(),
        QStringLiteral("none"));

    // Back to practice: the clock is gone and single questions can be checked again.
    m_page->evaluate(QStringLiteral("document.querySelector('.leave-exam').click()"));
    QCOMPARE(m_page->evaluate(QStringLiteral("document.querySelector('.exam-clock').textContent"))
                 .toString(),
        QString());
    QCOMPARE(m_page
                 ->evaluate(
                     QStringLiteral("getComputedStyle(document.querySelector('.q-tools')).display"))
                 .toString(),
        QStringLiteral("block"));
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

void tst_content_paper::printingWithoutAnswersPrintsNoKey()
{
    // Graded on screen, so every answer is open; a clean printout still holds no key and no
    // score, while the stems are all there.
    for (const Question &q : std::as_const(m_questions))
        answer(q.id, q.key);
    m_page->evaluate(QStringLiteral("document.querySelector('.grade-all').click()"));
    QCOMPARE(
        m_page->evaluate(QStringLiteral("document.querySelector('.print-choice-clean').checked"))
            .toBool(),
        true);
    const PdfText clean = printedText(m_page);
    QVERIFY2(
        clean.text().contains(QStringLiteral("单项选择题")), qPrintable(clean.text().left(400)));
    QVERIFY(clean.text().contains(QStringLiteral("计算分析题")));
    QVERIFY2(!clean.text().contains(QStringLiteral("答案：")), qPrintable(clean.text().left(400)));
    QVERIFY(!clean.text().contains(QStringLiteral("总分：")));
    QVERIFY(!clean.text().contains(QStringLiteral("回答正确")));

    // With answers chosen, the printout holds every key, even of a paper not yet graded.
    m_page->evaluate(QStringLiteral("document.querySelector('.reset-all').click();"
                                    "document.querySelector('.print-choice-answers').click()"));
    const PdfText keyed = printedText(m_page);
    QCOMPARE(keyed.text().count(QStringLiteral("答案：")), 70);
    QVERIFY(keyed.pageCount() > clean.pageCount());
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

void tst_content_paper::chapterSelfCheckIsScoredLikeAPaper()
{
    // A chapter's self-check: all answered from the key scores full marks by section; then one
    // question answered wrong costs exactly its points.
    QSignalSpy finished(m_page, &QWebEnginePage::loadFinished);
    m_page->load(
        QUrl::fromLocalFile(QDir(QStringLiteral(GUIDE_DATA_DIR))
                                .absoluteFilePath(QStringLiteral("第七章：财产清查.htm"))));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLoadTimeoutMs);
    const QVariantList list
        = m_page
              ->evaluate(QStringLiteral(
                  "Array.from(document.querySelectorAll('#selfcheck .q'))"
                  ".map(q => [q.id, q.dataset.type, q.dataset.answer, q.dataset.points])"))
              .toList();
    QVERIFY(list.size() >= 15);
    QSet<QString> types;
    int full = 0;
    for (const QVariant &v : list) {
        const QStringList f = v.toStringList();
        types << f.value(1);
        full += f.value(3).toInt();
        answer(f.value(0), f.value(2));
    }
    QCOMPARE(types,
        QSet<QString>({ QStringLiteral("single"), QStringLiteral("multi"), QStringLiteral("judge"),
            QStringLiteral("calc") }));
    QVERIFY(m_page->evaluate(QStringLiteral("document.querySelector('#selfcheck .start-exam')"))
                .isNull());
    m_page->evaluate(QStringLiteral("document.querySelector('#selfcheck .grade-all').click()"));
    QCOMPARE(m_page
                 ->evaluate(QStringLiteral(
                     "document.querySelector('#selfcheck .score-total').textContent"))
                 .toString(),
        QString::number(full));

    const QStringList first = list.first().toStringList();
    answer(first.value(0), wrongAnswer(first.value(1), first.value(2)));
    m_page->evaluate(QStringLiteral("document.querySelector('#selfcheck .grade-all').click()"));
    QCOMPARE(m_page
                 ->evaluate(QStringLiteral(
                     "document.querySelector('#selfcheck .score-total').textContent"))
                 .toString(),
        QString::number(full - first.value(3).toInt()));
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_content_paper)
#include "tst_content_paper.moc"
