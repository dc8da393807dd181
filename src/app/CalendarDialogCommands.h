#pragma once
// The commands of the main window that open the calendar's own dialogs or change its records as a
// whole: deleting a day or a period, the record count, the holiday lists, changing the holidays,
// the file's protection and author data, and the year range. Each handler refuses while the note is
// being typed where the calendar asks for that, runs the dialog, then shows what changed.
//
//   AddCalendarDialogCommands({doc, ui, frame, view, model, panes});   once, for the window's life

#include <functional>

namespace orv {

class CCalendarViewModel;
class CMainFrame;
class CTedDoc;
class CTedView;
class ICalendarPanes;
class IUiServices;

struct SCalendarDialogContext {
  CTedDoc& doc;
  IUiServices& ui;
  CMainFrame& frame;
  CTedView& view;
  CCalendarViewModel& model;
  ICalendarPanes& panes;
};

void AddCalendarDialogCommands(const SCalendarDialogContext& context);

}  // namespace orv
