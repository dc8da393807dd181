#pragma once
// The ruler: a bar 17 pixels high whose scale lines up with the text of a commentary editor. Small
// ticks every quarter centimetre, larger ones every half, numbers every centimetre; positions are
// in twips, drawn at the screen's resolution (pixels = twips * dpi / 1440). It only shows the scale.

#include <QPointer>
#include <QToolBar>

class QAbstractScrollArea;

namespace orv {

class CRuler : public QWidget {
 public:
  explicit CRuler(QWidget* parent = nullptr);
  // The editor whose text the scale follows; it is watched for moves and resizes.
  void SetTarget(QAbstractScrollArea* editor, int documentMargin);
  QSize sizeHint() const override { return {200, 17}; }
  // Where the scale's zero and right end lie, in the ruler's coordinates.
  int Origin() const;
  int TextWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QAbstractScrollArea> m_Target;
  int m_Margin = 0;
};

class CRulerBar : public QToolBar {
 public:
  explicit CRulerBar(QWidget* parent = nullptr);
  CRuler* Ruler() const { return m_Ruler; }

 private:
  CRuler* m_Ruler;
};

}  // namespace orv
