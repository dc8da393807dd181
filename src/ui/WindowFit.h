#pragma once
// Every dialog and window of the program fits the screen it opens on and shows all it holds: it opens
// at least as large as its content asks, wider where a list's entries or its title need it, and
// never larger than the screen's free area less the window manager's frame; content that cannot
// shrink to that area scrolls inside the window. Its title bar reads "<title> – Orvella 2".
//
//   CWindowFit fit;  qApp->installEventFilter(&fit);   // every window shown from then on

#include <QMargins>
#include <QObject>
#include <QSize>
#include <QString>

class QWidget;

namespace orv {

class CWindowFit : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// "<title> – Orvella 2", or the title as it is when it names the program already.
QString ProgramTitle(const QString& title);
// The width a title bar needs for `title` with the window manager's buttons beside it.
int TitleBarWidth(const QWidget* window, const QString& title);
// The window manager's frame around `window`: its own once shown, before that the frame of the
// program's other windows, or a usual one.
QMargins FrameMargins(const QWidget* window);
// The largest size the inside of `window` may take on its screen.
QSize ContentRoom(const QWidget* window);
// Sizes the dialog or window `window`, about to be shown, as described above.
void FitWindow(QWidget* window);

}  // namespace orv
