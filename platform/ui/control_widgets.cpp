// The widgets behind the controls: painting, and mouse events turned into the
// program's control events.
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/ui/painter_graphics.h"
#include "platform/ui/qt_widgets.h"

namespace fw {

namespace {

QColor Mix(const QColor& a, const QColor& b) {
  return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

Qt::Alignment HorizontalAlignment(int code) {
  switch (code) {
    case 1:
      return Qt::AlignHCenter;
    case 2:
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

}  // namespace

QString DisplayText(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

int WidestLine(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

QFont LabelFont(const Control::Impl& d, const QString& text) {
  QFont font = d.font;
  if (d.multiline) return font;
  // The desktop's face can be wider than the one the layout was drawn for; a
  // line is set closer, a tenth of a pixel at a time, rather than cut. Half a
  // pixel is as close as letters go and stay apart.
  for (int tenths = 1; tenths <= 5 && WidestLine(font, text) > d.width; ++tenths)
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.1 * tenths);
  return font;
}

// ---- Events of a control.

void Control::Impl::NoteMouse(QWidget* w, const QPointF& pos) {
  if (!win) return;
  Window::Impl& wi = win->impl();
  QPoint p = w->mapTo(wi.content, pos.toPoint());
  wi.mouseKnown = true;
  wi.mouseX = p.x();
  wi.mouseY = p.y();
}

bool Control::Impl::Press(QWidget* w, const QPointF& pos, Qt::MouseButton b,
                          Qt::KeyboardModifiers mods) {
  if (tracking) return true;  // another button during a press
  if (b != Qt::LeftButton && b != Qt::RightButton) return true;
  if (!onMouseDown) return false;
  NoteMouse(w, pos);
  bool contextual = b == Qt::RightButton || (mods & Qt::ControlModifier);
  QPoint p = pos.toPoint();
  MouseDownHandler handler = onMouseDown;  // the handler may rebind the event
  SetContextualClick(contextual);
  bool follow = handler(*self, p.x(), p.y());
  SetContextualClick(false);
  tracking = follow;
  trackingContextual = contextual;
  return true;
}

void Control::Impl::Move(QWidget* w, const QPointF& pos) {
  if (!tracking) return;
  NoteMouse(w, pos);
  // Crossing the control's edge while the button is held raises MouseExit
  // and MouseEnter as it happens, as a moving pointer does.
  const bool inside = w->rect().contains(pos.toPoint());
  if (inside == leftDuringPress) {
    leftDuringPress = !inside;
    if (inside) {
      Enter();
    } else {
      Leave();
    }
  }
  if (MouseHandler handler = onMouseDrag) {
    QPoint p = pos.toPoint();
    SetContextualClick(trackingContextual);
    handler(*self, p.x(), p.y());
    SetContextualClick(false);
  }
}

void Control::Impl::Release(QWidget* w, const QPointF& pos) {
  if (!tracking) return;
  tracking = false;
  NoteMouse(w, pos);
  if (MouseHandler handler = onMouseUp) {
    QPoint p = pos.toPoint();
    SetContextualClick(trackingContextual);
    handler(*self, p.x(), p.y());
    SetContextualClick(false);
  }
}

void Control::Impl::Enter() {
  if (!tracking) leftDuringPress = false;
  if (PlainHandler h = onEnter) h(*self);
}
void Control::Impl::Leave() {
  if (leftDuringPress && !tracking) {
    leftDuringPress = false;  // raised already, when the pointer left
    return;
  }
  if (PlainHandler h = onExit) h(*self);
}
void Control::Impl::RaiseAction() {
  if (PlainHandler h = onAction) h(*self);
}

void Control::Impl::SyncGeometry() {
  if (widget) widget->setGeometry(left, top, width, height);
}

void Control::Impl::SyncAppearance() {
  font = style.ToFont();
  if (!widget) return;
  widget->setToolTip(ToQString(helpTag));
  if (auto* edit = qobject_cast<QLineEdit*>(widget.data())) {
    QString t = ToQString(text);
    if (edit->text() != t) edit->setText(t);
    edit->setFrame(border);
    // The field keeps its colours while disabled: it shows the same text.
    QPalette pal = edit->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      pal.setColor(group, QPalette::Text, ToQColor(textColor));
      pal.setColor(group, QPalette::Base, ToQColor(backColor));
    }
    edit->setPalette(pal);
    edit->setFont(font);
    edit->setAlignment(HorizontalAlignment(align) | Qt::AlignVCenter);
    edit->setReadOnly(readOnly);
    edit->setMaxLength(limitText > 0 ? limitText : 32767);
    edit->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
  } else if (auto* button = qobject_cast<QPushButton*>(widget.data())) {
    button->setText(ToQString(text));
    button->setFont(font);
    button->setAutoDefault(false);
    button->setDefault(defaultButton);
  }
  widget->update();
}

// ---- Painted controls.

ControlSurface::ControlSurface(Control::Impl* impl) : impl_(impl) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover, false);
}

void ControlSurface::paintEvent(QPaintEvent*) {
  QPainter p(this);
  switch (impl_->kind) {
    case ControlKind::Canvas:
      PaintCanvas(p);
      break;
    case ControlKind::StaticText:
      PaintStaticText(p);
      break;
    case ControlKind::Oval:
      PaintOval(p);
      break;
    case ControlKind::BevelButton:
      PaintBevelButton(p);
      break;
    default:
      break;
  }
}

void ControlSurface::PaintCanvas(QPainter& p) {
  // Not erasing leaves the window's content (back colour and backdrop) under
  // the canvas; erasing clears the area to the window's back colour.
  if (impl_->eraseBackground && impl_->win) p.fillRect(rect(), impl_->win->impl().EraseColor());
  PainterGraphics g(p, width(), height());
  if (impl_->picture) g.DrawPicture(impl_->picture, 0, 0);
  if (PaintHandler h = impl_->onPaint) {
    p.save();
    h(*impl_->self, g);
    p.restore();
  }
}

void ControlSurface::PaintStaticText(QPainter& p) {
  QColor color = ToQColor(impl_->textColor);
  if (!isEnabled() && impl_->win) color = Mix(color, impl_->win->impl().EraseColor());
  const QString text = DisplayText(impl_->text);
  p.setFont(LabelFont(*impl_, text));
  p.setPen(color);
  int flags = static_cast<int>(HorizontalAlignment(impl_->align)) | Qt::AlignTop;
  if (impl_->multiline) flags |= Qt::TextWordWrap;
  p.drawText(rect(), flags, text);
}

void ControlSurface::PaintOval(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  int bw = std::min(impl_->borderWidth, std::min(width(), height()) / 2);
  if (bw > 0)
    p.setPen(QPen(ToQColor(impl_->borderColor), bw));
  else
    p.setPen(Qt::NoPen);
  p.setBrush(ToQColor(impl_->fillColor));
  double inset = bw / 2.0;
  p.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

void ControlSurface::PaintBevelButton(QPainter& p) {
  const BevelLook& look = impl_->bevelLook;
  bool down = pressedInside_ || look.value;
  QRect r = rect();
  QColor face = down ? QColor(0x9A, 0x9A, 0x9A) : QColor(0xD6, 0xD6, 0xD6);
  QColor light = down ? QColor(0x6A, 0x6A, 0x6A) : QColor(0xFA, 0xFA, 0xFA);
  QColor dark = down ? QColor(0xE0, 0xE0, 0xE0) : QColor(0x70, 0x70, 0x70);
  p.fillRect(r, face);
  int depth = std::clamp(look.bevel + 1, 1, 3);
  for (int i = 0; i < depth && i * 2 < std::min(r.width(), r.height()); ++i) {
    p.fillRect(r.left() + i, r.top() + i, r.width() - 2 * i, 1, light);
    p.fillRect(r.left() + i, r.top() + i, 1, r.height() - 2 * i, light);
    p.fillRect(r.left() + i, r.bottom() - i, r.width() - 2 * i, 1, dark);
    p.fillRect(r.right() - i, r.top() + i, 1, r.height() - 2 * i, dark);
  }
  p.fillRect(r.left(), r.top(), r.width(), 1, Qt::black);  // outer frame
  p.fillRect(r.left(), r.bottom(), r.width(), 1, Qt::black);
  p.fillRect(r.left(), r.top(), 1, r.height(), Qt::black);
  p.fillRect(r.right(), r.top(), 1, r.height(), Qt::black);

  // Icon and caption as one group, placed by the caption placement.
  const QFont& font = impl_->font;
  QFontMetrics fm(font);
  QString caption = ToQString(impl_->text);
  QSize textSize =
      caption.isEmpty() ? QSize(0, 0) : QSize(fm.horizontalAdvance(caption), fm.height());
  const QImage* icon = impl_->picture && !impl_->picture->impl().image.isNull()
                           ? &impl_->picture->impl().image
                           : nullptr;
  QSize iconSize = icon ? icon->size() : QSize(0, 0);
  int gap = (icon && !caption.isEmpty()) ? 2 + look.captionDelta : 0;
  bool vertical = look.captionPlacement == 3 || look.captionPlacement == 4;
  QSize group = vertical ? QSize(std::max(iconSize.width(), textSize.width()),
                                 iconSize.height() + gap + textSize.height())
                         : QSize(iconSize.width() + gap + textSize.width(),
                                 std::max(iconSize.height(), textSize.height()));
  int gx = r.left() + (r.width() - group.width()) / 2;
  if (look.captionAlign == 0) gx = r.left() + depth + 1;
  if (look.captionAlign == 1) gx = r.right() - depth - group.width();
  int gy = r.top() + (r.height() - group.height()) / 2;
  QPoint iconAt, textAt;  // top-left corners
  switch (look.captionPlacement) {
    case 2:  // caption left of the icon
      textAt = {gx, gy + (group.height() - textSize.height()) / 2};
      iconAt = {gx + textSize.width() + gap, gy + (group.height() - iconSize.height()) / 2};
      break;
    case 3:  // below
      iconAt = {gx + (group.width() - iconSize.width()) / 2, gy};
      textAt = {gx + (group.width() - textSize.width()) / 2, gy + iconSize.height() + gap};
      break;
    case 4:  // above
      textAt = {gx + (group.width() - textSize.width()) / 2, gy};
      iconAt = {gx + (group.width() - iconSize.width()) / 2, gy + textSize.height() + gap};
      break;
    default:  // right of the icon
      iconAt = {gx, gy + (group.height() - iconSize.height()) / 2};
      textAt = {gx + iconSize.width() + gap, gy + (group.height() - textSize.height()) / 2};
      break;
  }
  if (down) {
    iconAt += QPoint(1, 1);
    textAt += QPoint(1, 1);
  }
  p.setClipRect(r.adjusted(1, 1, -1, -1));
  if (icon) {
    p.setOpacity(isEnabled() ? 1.0 : 0.45);
    p.drawImage(iconAt + QPoint(look.iconDX, look.iconDY), *icon);
    p.setOpacity(1.0);
  }
  if (!caption.isEmpty()) {
    p.setFont(font);
    p.setPen(isEnabled() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80));
    p.drawText(textAt.x(), textAt.y() + fm.ascent(), caption);
  }
}

void ControlSurface::mousePressEvent(QMouseEvent* e) {
  bool taken = impl_->Press(this, e->position(), e->button(), e->modifiers());
  if (impl_->kind == ControlKind::BevelButton && e->button() == Qt::LeftButton) {
    pressedInside_ = true;
    update();
    taken = true;
  }
  e->setAccepted(taken);
}

void ControlSurface::mouseMoveEvent(QMouseEvent* e) {
  if (impl_->kind == ControlKind::BevelButton && (e->buttons() & Qt::LeftButton)) {
    bool inside = rect().contains(e->position().toPoint());
    if (inside != pressedInside_) {
      pressedInside_ = inside;
      update();
    }
  }
  impl_->Move(this, e->position());
  e->accept();
}

void ControlSurface::mouseReleaseEvent(QMouseEvent* e) {
  bool click = false;
  if (impl_->kind == ControlKind::BevelButton && e->button() == Qt::LeftButton) {
    click = pressedInside_ && rect().contains(e->position().toPoint());
    pressedInside_ = false;
    update();
  }
  impl_->Release(this, e->position());
  e->accept();
  if (click) impl_->RaiseAction();
}

void ControlSurface::enterEvent(QEnterEvent*) { impl_->Enter(); }
void ControlSurface::leaveEvent(QEvent*) { impl_->Leave(); }

// ---- EditField.

EditWidget::EditWidget(Control::Impl* impl) : impl_(impl) {
  // Takes the keyboard focus only when the user clicks into it.
  setFocusPolicy(Qt::ClickFocus);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void EditWidget::mousePressEvent(QMouseEvent* e) {
  if (impl_->onMouseDown) impl_->Press(this, e->position(), e->button(), e->modifiers());
  QLineEdit::mousePressEvent(e);
}
void EditWidget::mouseMoveEvent(QMouseEvent* e) {
  impl_->Move(this, e->position());
  QLineEdit::mouseMoveEvent(e);
}
void EditWidget::mouseReleaseEvent(QMouseEvent* e) {
  impl_->Release(this, e->position());
  QLineEdit::mouseReleaseEvent(e);
}
void EditWidget::enterEvent(QEnterEvent* e) {
  QLineEdit::enterEvent(e);
  impl_->Enter();
}
void EditWidget::leaveEvent(QEvent* e) {
  QLineEdit::leaveEvent(e);
  impl_->Leave();
}

// ---- PushButton.

ButtonWidget::ButtonWidget(Control::Impl* impl) : impl_(impl) {
  setFocusPolicy(Qt::NoFocus);
  setAutoDefault(false);
  QObject::connect(this, &QPushButton::clicked, this, [this] { impl_->RaiseAction(); });
}
void ButtonWidget::enterEvent(QEnterEvent* e) {
  QPushButton::enterEvent(e);
  impl_->Enter();
}
void ButtonWidget::leaveEvent(QEvent* e) {
  QPushButton::leaveEvent(e);
  impl_->Leave();
}

}  // namespace fw
