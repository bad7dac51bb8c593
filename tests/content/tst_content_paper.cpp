// Drives a practice paper in the real page view the way a candidate does: answers some
// questions right and some wrong, checks single questions and the whole paper, and reads back
// the score the page shows against a score worked out here from the paper's own answer key.
#include "RecordingPage.h"
#include "RequestRecorder.h"

#include <QDir>
#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>

namespace {

const int kLoadTimeoutMs = 60000;

QString paperPath(const QString &number)
{
    return QDir(QStringLiteral(GUIDE_DATA_DIR))
        .absoluteFilePath(QStringLiteral("历年真题和答案(%1).htm").arg(number));
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
    QCOMPARE(
        m_page->evaluate(QStringLiteral("document.querySelectorAll('#paper input:checked').length"))
            .toInt(),
        0);
    QVERIFY(m_page->evaluate(QStringLiteral("document.getElementById('score-total')")).isNull());
    QCOMPARE(stateOf(m_questions.at(0).id), QStringLiteral("|false"));
    QVERIFY2(m_page->errors().isEmpty(), qPrintable(m_page->errors().join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_content_paper)
#include "tst_content_paper.moc"
