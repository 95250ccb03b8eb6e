#include "app/datalog.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

DataLog::DataLog(QTextBrowser *view) : QObject(view), view(view), showLater(new QTimer(this))
{
    showLater->setSingleShot(true);
    connect(showLater, &QTimer::timeout, this, &DataLog::showGathered);
    sinceShown.start();
}

void DataLog::append(const QString &text)
{
    if (text.isEmpty())
        return;
    gathered += text;
    gatheredLines += text.count(QLatin1Char('\n'));
    keepNewestGathered();
    const qint64 wait = lastShowingTookMs - sinceShown.elapsed();
    if (wait <= 0)
        showGathered();
    else if (!showLater->isActive())
        showLater->start(static_cast<int>(wait));
}

void DataLog::showGathered()
{
    showLater->stop();
    if (gathered.isEmpty())
        return;
    QElapsedTimer showing;
    showing.start();
    QScrollBar *scroll = view->verticalScrollBar();
    const bool followingTheEnd = scroll->value() == scroll->maximum();
    const int scrolledTo = scroll->value();
    QTextCursor userCursor = view->textCursor();
    // A selection that reaches the end would otherwise grow over the new text.
    userCursor.setKeepPositionOnInsert(true);

    QTextCursor end(view->document());
    end.movePosition(QTextCursor::End);
    end.insertText(gathered);
    gathered.clear();
    gatheredLines = 0;
    dropOldest();

    if (userCursor.hasSelection())
        view->setTextCursor(userCursor);
    scroll->setSliderPosition(followingTheEnd ? 1000000000 : scrolledTo);
    lastShowingTookMs = showing.elapsed();
    sinceShown.restart();
}

void DataLog::clear()
{
    showLater->stop();
    gathered.clear();
    gatheredLines = 0;
    view->clear();
}

void DataLog::setLimits(int lines, int characters)
{
    lineLimit = lines;
    characterLimit = characters;
    showGathered();
    dropOldest();
}

// What goes beyond the bounds on its own would be dropped as soon as it was shown.
void DataLog::keepNewestGathered()
{
    if (gatheredLines <= lineLimit + lineLimit / 8 &&
        gathered.size() <= characterLimit + characterLimit / 8)
        return;
    int cut = 0;
    for (int excess = gatheredLines - lineLimit; excess > 0; --excess)
        cut = gathered.indexOf(QLatin1Char('\n'), cut) + 1;
    if (gathered.size() - cut > characterLimit)
        cut = gathered.indexOf(QLatin1Char('\n'), gathered.size() - characterLimit - 1) + 1;
    gatheredLines -= gathered.leftRef(cut).count(QLatin1Char('\n'));
    gathered.remove(0, cut);
}

// Lines are dropped an eighth of a bound at a time: each removal at the top lays the whole log
// out again, which for every single line would cost more than a fast device leaves time for.
void DataLog::dropOldest()
{
    QTextDocument *document = view->document();
    const int excessLines = document->blockCount() - lineLimit;
    // The document counts a paragraph separator after its last line too.
    const int excessCharacters = document->characterCount() - 1 - characterLimit;
    const bool tooManyLines = excessLines > 0 && excessLines > lineLimit / 8;
    const bool tooLarge = excessCharacters > 0 && excessCharacters > characterLimit / 8;
    if (!tooManyLines && !tooLarge)
        return;
    int lines = std::max(excessLines, 0);
    int characters = 0;
    for (QTextBlock block = document->begin(); block.isValid() && characters < excessCharacters;
         block = block.next()) {
        characters += block.length();
        lines = std::max(lines, block.blockNumber() + 1);
    }
    QTextCursor oldest(document);
    oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, lines);
    oldest.removeSelectedText();
}
