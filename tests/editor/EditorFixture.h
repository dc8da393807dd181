#pragma once
// A commentary editor over a new calendar whose predefined styles are set up in the face "Verdana",
// taken as installed, with the status texts it sends recorded.

#include <map>
#include <string>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "editor/CommentaryEditor.h"

namespace orv::test {

inline std::string Cz(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

class EditorFixture {
 protected:
  EditorFixture() {
    doc.OnNewDocument();
    editor.SetStatusHandler([this](int pane, std::string text) { status[pane] = std::move(text); });
    editor.DoInitialUpdate("Verdana", [](std::string_view) { return true; });
  }

  // Replaces the whole text; "\r" starts a paragraph.
  void Type(const char* utf8) {
    editor.Control().SetSel(0, -1);
    editor.Control().ReplaceSel(Cz(utf8));
  }

  FakeUiServices ui;
  CTedDoc doc{ui};
  CCommentaryEditor editor{doc, ui};
  std::map<int, std::string> status;
};

}  // namespace orv::test
