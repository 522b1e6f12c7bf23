#include "shell/FontWarning.h"

#include <QMessageBox>

#include "assets/Fonts.h"
#include "shell/Language.h"

namespace yunuri {

void showWarningBox(QWidget* parent, const QString& title, const QString& text) {
  auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

bool warnIfNoJapaneseFont(QWidget* parent, const WarningPresenter& present) {
  // A panel started in a Latin-lettered language needs no Japanese font.
  if (currentLanguage() != QLatin1String(kPanelLanguage) || assets::gothicHasJapanese()) return false;
  const QString package = QString::fromLatin1(assets::kJapaneseFontPackage);
  const QString alternative = QString::fromLatin1(assets::kJapaneseFontPackageAlternative);
  // The Japanese lines cannot show on this very system; the English ones say the same.
  const QString text =
      QString::fromUtf8(
          "日本語のゴシック体フォントが見つからないため、パネルの日本語が表示されません。\n"
          "パッケージ %1（または %2）をインストールしてから、もう一度起動して下さい。\n\n")
          .arg(package, alternative) +
      QStringLiteral(
          "No Japanese gothic font was found, so the panel's Japanese words cannot be shown.\n"
          "Install the package %1 (or %2) and start the program again.")
          .arg(package, alternative);
  present(parent, QString::fromUtf8("日本語フォントがありません / No Japanese font"), text);
  return true;
}

}  // namespace yunuri
