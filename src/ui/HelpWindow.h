#pragma once
// The user's guide in a window: the contents (the guide's headings) on the left, the text on the
// right, a search field above. The guide is the HTML shipped with the program (data/help); the
// window fills its "<!--PRIKAZY-->" mark with the table of menu commands it is given, so that list
// is always the program's own.
//
//   auto* help = new CHelpWindow(commandsHtml, parent);   help->ShowSection("jdi-na-datum");

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace orv {

class CHelpWindow : public QWidget {
 public:
  explicit CHelpWindow(const QString& commandsHtml, QWidget* parent = nullptr);

  // Shows the window at the heading with the anchor `section` (the contents when it is unknown).
  void ShowSection(const QString& section);
  // Selects the next place holding `text` after the caret, from the top again at the end.
  bool FindNext(const QString& text);

  QTextBrowser* Browser() const { return m_Browser; }
  QListWidget* Contents() const { return m_Contents; }
  QLineEdit* SearchField() const { return m_Search; }

 private:
  void FillContents();

  QTextBrowser* m_Browser;
  QListWidget* m_Contents;
  QLineEdit* m_Search;
};

// The anchor of the guide's section about the dialog titled `title` ("obsah" when there is none).
QString HelpSectionOfDialog(const QString& title);

}  // namespace orv
