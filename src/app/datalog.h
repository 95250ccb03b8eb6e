#ifndef QUILLON_APP_DATALOG_H
#define QUILLON_APP_DATALOG_H

#include <QString>

class QTextBrowser;

// The data log's text: new text always goes at the end, whatever the user has clicked or selected,
// and the view follows it only while the user has not scrolled away from the end. It keeps the
// newest lines up to a count and a size, so that a long run, or lines of kilobytes, cannot use up
// the memory.
class DataLog
{
public:
    static constexpr int defaultLineLimit = 20000;
    // 20,000 lines of 100 characters.
    static constexpr int defaultCharacterLimit = 2000000;

    explicit DataLog(QTextBrowser *view);

    void append(const QString &text);
    void setLimits(int lines, int characters);

private:
    void dropOldest();

    QTextBrowser *view;
    int lineLimit = defaultLineLimit;
    int characterLimit = defaultCharacterLimit;
};

#endif
