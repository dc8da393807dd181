// An input plugin for the tests that start the real program: once the main window is up it gives
// the short-note field the focus and types the plugin's text there, key by key, as a user would,
// then writes "typed" to stderr. Loaded with QT_QPA_GENERIC_PLUGINS=orvtypist:TEXT and QT_PLUGIN_PATH.

#include <QApplication>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

namespace {

class CTypist : public QObject {
 public:
  explicit CTypist(QString text) : m_Text(std::move(text)) {
    m_Poll.setInterval(50);
    QObject::connect(&m_Poll, &QTimer::timeout, this, [this] { TryTyping(); });
    m_Poll.start();
  }

 private:
  void TryTyping() {
    QLineEdit* note = nullptr;
    for (QWidget* widget : QApplication::allWidgets())
      if (widget->objectName() == QStringLiteral("NoteField") && widget->isVisible())
        note = qobject_cast<QLineEdit*>(widget);
    if (!note) return;
    note->setFocus(Qt::OtherFocusReason);
    if (!note->hasFocus()) return;
    m_Poll.stop();
    for (const QChar ch : m_Text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(note, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(note, &release);
    }
    std::fprintf(stderr, "typed\n");
    std::fflush(stderr);
  }

  QString m_Text;
  QTimer m_Poll;
};

}  // namespace

class CTypistPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "typist.json")

 public:
  QObject* create(const QString& key, const QString& parameters) override {
    if (key.compare(QStringLiteral("orvtypist"), Qt::CaseInsensitive) != 0) return nullptr;
    return new CTypist(parameters);
  }
};

#include "TypistPlugin.moc"
