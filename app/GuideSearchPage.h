#pragma once

#include "GuideSearchResult.h"

#include <QString>

// The results of a search over the whole guide as a page of its own, in Chinese and in the
// guide's look: the query and the number of hits, then each page with hits in tree order with
// its count and a few lines of context (the hit marked, the question or section named), each
// line a link to that place of the page; last the pages that could not be read. It is shown
// with the data folder as its base, so its links are the pages' own file addresses.
class GuideSearchPage {
public:
    // Lines of context shown for each page; the rest are counted.
    static constexpr int kLinesPerPage = 3;

    static QString html(const GuideSearchResult &result);
    // The page's title, from which the query can be read back.
    static QString title(const QString &query);
    // The query of a results page with that title; empty for any other title.
    static QString queryOfTitle(const QString &title);
};
