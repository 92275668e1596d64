#pragma once

#include <QString>

// One more leading tab on every line; a text that ends in a line feed gains a
// tab after it, where the caller's next text continues. Empty stays empty.
QString indentLines(const QString &text);
// out += indentLines(text), without the copy.
void appendIndentedLines(QString &out, const QString &text);

// The tail of indentLines: appends text with a tab after every line feed, in
// one pass. A caller that indents a long text piece by piece puts the tab
// before the very first piece itself.
void appendWithTabAfterLineFeeds(QString &out, const QString &text);
