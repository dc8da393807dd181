#pragma once
// "Připojit ke kalendáři" (Alt+J) in the window: the command's steps (CAppendCommand) with what the
// window adds to them — the note field's state, storing the panes, the save command, the recent-file
// list, the "Připojit" dialog, the progress of a large merge and the fresh showing of the result.

namespace orv {

class CCalendarWindow;
class CRecentFileList;
class CTedDoc;
class IUiServices;

void AppendToCalendar(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui, CRecentFileList& recent);

}  // namespace orv
