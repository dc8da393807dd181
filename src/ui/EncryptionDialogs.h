#pragma once
// "Zašifrovat" and "Zrušit šifrování": the passphrase typed twice with a hint of its strength and the
// warning that a forgotten passphrase cannot be recovered; and the passphrase asked once more before
// the encryption is removed. A refused entry (different, empty, wrong) keeps the dialog open after
// its message. Both change the calendar only in memory: the file follows at the next save.

class QWidget;

namespace orv {

class CTedDoc;
class IUiServices;

// True when the calendar got its key.
bool RunEncryptDialog(QWidget* parent, CTedDoc& doc, IUiServices& ui);
// True when the calendar's key was removed.
bool RunDecryptDialog(QWidget* parent, CTedDoc& doc, IUiServices& ui);

}  // namespace orv
