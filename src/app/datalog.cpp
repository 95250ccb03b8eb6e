#include "app/datalog.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

DataLog::DataLog(QTextBrowser *view) : view(view) {}

void DataLog::append(const QString &text)
{
    if (text.isEmpty())
        return;
    QScrollBar *scroll = view->verticalScrollBar();
    const bool followingTheEnd = scroll->value() == scroll->maximum();
    const int scrolledTo = scroll->value();
    QTextCursor userCursor = view->textCursor();
    // A selection that reaches the end would otherwise grow over the new text.
    userCursor.setKeepPositionOnInsert(true);

    QTextCursor end(view->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    dropOldest();

    if (userCursor.hasSelection())
        view->setTextCursor(userCursor);
    scroll->setSliderPosition(followingTheEnd ? 1000000000 : scrolledTo);
}

void DataLog::setLimits(int lines, int characters)
{
    lineLimit = lines;
    characterLimit = characters;
    dropOldest();
}

// Lines are dropped an eighth of a limit at a time: each removal at the top lays the whole log
// out again, which for every single line would cost more than a fast device leaves time for.
void DataLog::dropOldest()
{
    QTextDocument *document = view->document();
    const int excessLines = document->blockCount() - lineLimit;
    const int excessCharacters = document->characterCount() - characterLimit;
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
