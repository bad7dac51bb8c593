#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a search over the whole guide found: the pages with hits in tree order and, at the end,
// the pages that could not be read. Plain values, made by GuideSearchIndex and shown by
// GuideSearchPage.
struct GuideSearchResult {
    // One line of context: the first hit after one place of the page (a question, a section),
    // with the text around it as written.
    struct Line {
        QString anchor; // id of the element the page opens at; empty for the page's top
        QString label; // "第 5 题", a section heading, or empty
        QString before; // the text before the hit, cut at a block boundary
        QString match; // the hit as written in the page
        QString after;
        int hits = 0; // hits from this place to the next one
    };

    struct Page {
        QString name; // the tree entry's text
        QString path; // the page's file
        int hits = 0;
        QList<Line> lines; // every place with hits, in page order
    };

    QString query;
    int hits = 0;
    QList<Page> pages;
    QStringList unreadable; // names of pages whose file is missing or unreadable
};
