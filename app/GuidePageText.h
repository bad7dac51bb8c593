#pragma once

#include "GuideText.h"

#include <QList>
#include <QString>
#include <QStringView>

// The text of one page of the guide as a reader sees it, read from the page's HTML source:
// markup is gone, character references are decoded, and what is not the page's own reading
// matter is left out: the head, scripts and styles, navigation (the contents bar and the links
// to the neighbouring pages), the footer, hidden elements, and the answer-reveal machinery
// (the labels of the fold-out answers and any buttons). The answers and explanations
// themselves are text like any other.
//
// It also knows where each position of the text lies: after which element with an id (the
// place to open the page at) and under which question ("第 5 题") or section heading.
class GuidePageText {
public:
    static GuidePageText fromHtml(QStringView html);

    const GuideText &text() const { return m_text; }

    // The id of the last element with an id that starts at or before the plain position;
    // empty before the first one.
    QString anchorAt(int plainPos) const;
    // "第 N 题" inside a question (an element whose id is "q" and its number), otherwise the
    // text of the section heading (h2 to h6) last begun; empty before the first heading.
    QString labelAt(int plainPos) const;

private:
    struct Anchor {
        int plainPos;
        QString id;
    };
    struct Question {
        int plainStart;
        int plainEnd;
        int number;
    };
    struct Heading {
        int plainPos;
        QString text;
    };

    friend class GuidePageTextReader;

    GuideText m_text;
    QList<Anchor> m_anchors;
    QList<Question> m_questions;
    QList<Heading> m_headings;
};
