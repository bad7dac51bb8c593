#pragma once

#include "GuidePageText.h"
#include "GuideSearchResult.h"

#include <QString>
#include <QStringList>

#include <vector>

// The text of every page of the guide, read into memory on the first search and kept for the
// rest of the run; nothing is written anywhere. Pages are searched in the order given (the
// chapter tree's), each for every match of the folded query.
class GuideSearchIndex {
public:
    // The pages to search: `folder` + "/" + name + ".htm" for each name, in that order.
    // Forgets what was read before.
    void setPages(const QString &folder, const QStringList &names);
    const QString &folder() const { return m_folder; }

    bool isBuilt() const { return m_built; }
    // Reads every page now; a search does it when it is first needed.
    void build();

    GuideSearchResult search(const QString &query);

    // Characters of context kept on each side of a hit.
    static constexpr int kContext = 28;

private:
    struct Page {
        QString name;
        QString path;
        bool readable = false;
        GuidePageText text;
    };

    QString m_folder;
    QStringList m_names;
    std::vector<Page> m_pages;
    bool m_built = false;
};
