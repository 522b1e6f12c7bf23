#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace yunuri {

// Shows a warning over `parent` and returns at once; the panel goes on running under it.
using WarningPresenter = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// The toolkit's warning box, modal to the panel's window only.
void showWarningBox(QWidget* parent, const QString& title, const QString& text);

// Without a Japanese font the panel shows none of its Japanese words, and a line on standard error is seen by
// nobody who started it from a menu: one warning, in Japanese and English, names the package that brings the
// font. Uses the letters' own font lookup, so it costs no second look at the system's fonts. Returns whether
// it warned.
bool warnIfNoJapaneseFont(QWidget* parent, const WarningPresenter& present = showWarningBox);

}  // namespace yunuri
