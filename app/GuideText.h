#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

// The searchable form of a page's text, appended piece by piece as the text is read (from a
// page's source or from its live document). It is kept twice: as written (`plain`), and folded
// for matching the way a student types: full-width letters and digits are their ASCII forms,
// letters are lower case, white space is gone and the thousands separators of numbers are
// dropped, so that "１０００", "1000" and "1,000" are one text. Every folded character knows the
// plain character it came from, so that a match can be shown and found again as written.
//
// Block boundaries (paragraphs, cells, list items) are kept as a break that no match crosses.
// A number in a query matches whole numbers only: "1000" does not match inside "10,000".
class GuideText {
public:
    // The character that stands for a block boundary, in both forms.
    static constexpr char16_t kBreak = u'\u2029';

    struct Match {
        int plainStart = 0;
        int plainEnd = 0; // exclusive
    };

    void append(QStringView text);
    void appendBreak();
    // Drops the thousands separators; call once after the last append and before any search.
    void finish();

    const QString &plain() const { return m_plain; }
    const QString &folded() const { return m_folded; }

    // Every match of an already folded query, left to right, not overlapping.
    QList<Match> find(const QString &foldedQuery) const;

    // A query in the folded form; empty when nothing is left to look for.
    static QString fold(QStringView query);

private:
    QString m_plain;
    QString m_folded;
    // For each folded character: where it came from in the plain text, and whether white space
    // stood before it there (a number ends at a space even where no other character follows).
    std::vector<int> m_origin;
    std::vector<bool> m_gapBefore;
    bool m_pendingGap = false;
};
