#ifndef QUILLON_APP_DATALOG_H
#define QUILLON_APP_DATALOG_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QTextBrowser;

// The data log's text: new text always goes at the end, whatever the user has clicked or selected,
// and the view follows it only while the user has not scrolled away from the end. It keeps the
// newest lines up to a count and a size, so that a long run, or lines of kilobytes, cannot use up
// the memory. Laying text out costs far more than taking it in: while the log is busy with the
// text before (for at most as long again), new text is gathered, and what the bounds would drop
// before anyone could see it is never laid out.
class DataLog : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultLineLimit = 20000;
    // 20,000 lines of 100 characters.
    static constexpr int defaultCharacterLimit = 2000000;

    // Belongs to the view.
    explicit DataLog(QTextBrowser *view);

    void append(const QString &text);
    // Shows at once what was gathered.
    void showGathered();
    // Empties the log, what was gathered for it included.
    void clear();
    void setLimits(int lines, int characters);

private:
    void keepNewestGathered();
    void dropOldest();

    QTextBrowser *view;
    int lineLimit = defaultLineLimit;
    int characterLimit = defaultCharacterLimit;
    QString gathered;
    int gatheredLines = 0;
    QTimer *showLater;
    QElapsedTimer sinceShown;
    qint64 lastShowingTookMs = 0;
};

#endif
